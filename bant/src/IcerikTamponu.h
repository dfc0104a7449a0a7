#pragma once
#include <QByteArrayView>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace Bant {

// "00" to "99", for numbers written two digits a step.
inline constexpr std::array<char, 200> kIkiHane = [] {
    std::array<char, 200> t{};
    for (int i = 0; i < 100; ++i) {
        t[2 * i] = static_cast<char>('0' + i / 10);
        t[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return t;
}();

// A page's content stream, appended through a plain pointer and kept from
// page to page. QByteArray's append checked sharing and aliasing on every
// token, a fifth of the PDF writer's instructions.
class IcerikTamponu {
public:
    void bosalt() { n_ = 0; }
    void ekle(const char* s, size_t n) {
        std::memcpy(yer(n), s, n);
        n_ += n;
    }
    template <size_t N> void ekle(const char (&s)[N]) { ekle(s, N - 1); } // a literal, without its terminating zero
    void ekle(QByteArrayView s) { ekle(s.data(), static_cast<size_t>(s.size())); }
    void ekle(char c) {
        *yer(1) = c;
        ++n_;
    }
    // Room for at most `n` bytes at the end; `ilerle` then counts those written.
    char* yer(size_t n) {
        if (n_ + n > b_.size()) [[unlikely]]
            buyut(n);
        return b_.data() + n_;
    }
    void ilerle(size_t n) { n_ += n; }
    // Hundredths as a PDF number: "-12.5", "876.72", "9350". Every text on a
    // page has two: built backwards in the middle of a buffer twice the
    // longest, two digits a step, then copied as that fixed length (a copy of
    // a known size is two moves, one of a computed size a call).
    void yuzde(qint64 h) {
        constexpr size_t kEnUzun = 24;
        char t[2 * kEnUzun];
        char* const son = t + kEnUzun;
        char* p = son;
        const quint64 mutlak = h < 0 ? 0 - static_cast<quint64>(h) : static_cast<quint64>(h);
        quint64 tam = mutlak / 100;
        if (const auto kesir = static_cast<unsigned>(mutlak - tam * 100)) {
            const char* iki = kIkiHane.data() + 2 * kesir;
            if (iki[1] != '0') *--p = iki[1];
            *--p = iki[0];
            *--p = '.';
        }
        while (tam >= 100) {
            p -= 2;
            std::memcpy(p, kIkiHane.data() + 2 * (tam % 100), 2);
            tam /= 100;
        }
        if (tam >= 10) {
            p -= 2;
            std::memcpy(p, kIkiHane.data() + 2 * tam, 2);
        } else {
            *--p = static_cast<char>('0' + tam);
        }
        if (h < 0) *--p = '-';
        std::memcpy(yer(kEnUzun), p, kEnUzun);
        ilerle(static_cast<size_t>(son - p));
    }
    QByteArrayView veri() const { return {b_.data(), static_cast<qsizetype>(n_)}; }

private:
    // Out of line: the check above is on every token and must stay small.
    [[gnu::noinline]] void buyut(size_t n) { b_.resize(std::max(2 * b_.size(), n_ + n)); }

    std::vector<char> b_ = std::vector<char>(32 * 1024);
    size_t n_ = 0;
};

} // namespace Bant
