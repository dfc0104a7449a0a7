#include "platform/veritabani/TurkceSiralama.h"

#include <QChar>
#include <QString>

#include <array>
#include <cstring>

namespace {

// Primary weights: signs by code point, then digits, then letters by their
// place in the alphabet, then every other character by code point.
constexpr quint32 kRakam = 0x100;
constexpr quint32 kHarf = 0x200;
constexpr quint32 kDiger = 0x10000;

// Places in the alphabet; Q, W and X stand where the Latin alphabet has them.
enum Harf : quint32 { A, B, C, CC, D, E, F, G, GG, H, I, II, J, K, L, M, N, O, OO, P, Q, R, S, SS, T, U, UU, V, W, X, Y, Z };

constexpr quint32 harf(Harf h) { return kHarf + h; }

struct Agirlik {
    quint32 birincil;
    quint32 ikincil = 0; // accents; case never counts
};

constexpr std::array<quint32, 128> asciiTablosu() {
    std::array<quint32, 128> t{};
    for (quint32 c = 0; c < 128; ++c) t[c] = c;
    for (quint32 c = '0'; c <= '9'; ++c) t[c] = kRakam + (c - '0');
    constexpr Harf buyuk[26] = {A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z};
    for (quint32 c = 0; c < 26; ++c) t['A' + c] = t['a' + c] = harf(buyuk[c]);
    t['i'] = harf(II); // the Turkish lower case of İ
    return t;
}
constexpr std::array<quint32, 128> kAscii = asciiTablosu();

Agirlik agirlik(char32_t c) {
    if (c < 128) return {kAscii[c]};
    switch (c) {
    case U'Ç':
    case U'ç': return {harf(CC)};
    case U'Ğ':
    case U'ğ': return {harf(GG)};
    case U'İ': return {harf(II)};
    case U'ı': return {harf(I)};
    case U'Ö':
    case U'ö': return {harf(OO)};
    case U'Ş':
    case U'ş': return {harf(SS)};
    case U'Ü':
    case U'ü': return {harf(UU)};
    default: break;
    }
    // Other accented Latin letters sort with their base letter, after it.
    if (c < 0x250) {
        const QString ayrik = QChar(static_cast<char16_t>(c)).decomposition();
        if (!ayrik.isEmpty() && ayrik.at(0).unicode() < 128 && QChar::isLetter(ayrik.at(0).unicode()))
            return {kAscii[ayrik.at(0).unicode()], static_cast<quint32>(QChar::toLower(c))};
    }
    return {kDiger + static_cast<quint32>(QChar::toCaseFolded(c))};
}

// Decodes one UTF-8 character at `i`; a broken sequence reads as its first byte.
char32_t oku(QByteArrayView s, qsizetype& i) {
    const auto b0 = static_cast<unsigned char>(s[i++]);
    if (b0 < 0x80) return b0;
    const int ek = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : 0;
    if (ek == 0 || i + ek > s.size()) return b0;
    char32_t c = b0 & (0x3F >> ek);
    for (int k = 0; k < ek; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return b0;
        c = (c << 6) | (b & 0x3F);
    }
    i += ek;
    return c;
}

QByteArrayView sondakiBosluksuz(QByteArrayView s) {
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return s.first(n);
}

} // namespace

int Turkce_Karsilastir(QByteArrayView a, QByteArrayView b) {
    a = sondakiBosluksuz(a);
    b = sondakiBosluksuz(b);
    // Equal bytes weigh the same: start where they part, at a character's first byte.
    qsizetype ortak = 0;
    const qsizetype kisa = qMin(a.size(), b.size());
    // Eight bytes at a time first: sorting compares codes that share most of their length.
    for (quint64 x, y; ortak + 8 <= kisa; ortak += 8) {
        std::memcpy(&x, a.data() + ortak, 8);
        std::memcpy(&y, b.data() + ortak, 8);
        if (x != y) break;
    }
    while (ortak < kisa && a[ortak] == b[ortak]) ++ortak;
    if (ortak == a.size() && ortak == b.size()) return 0;
    auto devamBayti = [](QByteArrayView s, qsizetype k) { return k < s.size() && (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80; };
    while (ortak > 0 && (devamBayti(a, ortak) || devamBayti(b, ortak))) --ortak;
    qsizetype i = ortak, j = ortak;
    int ikincil = 0;
    while (i < a.size() && j < b.size()) {
        // Two ASCII characters, as codes mostly are: a weight each from the table.
        if (const auto x0 = static_cast<unsigned char>(a[i]), y0 = static_cast<unsigned char>(b[j]); (x0 | y0) < 0x80) {
            if (kAscii[x0] != kAscii[y0]) return kAscii[x0] < kAscii[y0] ? -1 : 1;
            ++i;
            ++j;
            continue;
        }
        const Agirlik x = agirlik(oku(a, i));
        const Agirlik y = agirlik(oku(b, j));
        if (x.birincil != y.birincil) return x.birincil < y.birincil ? -1 : 1;
        if (ikincil == 0 && x.ikincil != y.ikincil) ikincil = x.ikincil < y.ikincil ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return ikincil;
}
