#include "bant/Cp1254.h"

#include <QStringDecoder>

#include <array>

namespace {

// 0x80..0x9F differ from Latin-1. The codes the page leaves undefined map to
// the C1 control of the same number, as Windows converts them.
constexpr std::array<char16_t, 32> kUst80 = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                             0x2039, 0x0152, 0x008D, 0x008E, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                             0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178};

char16_t tablodan(unsigned char k) {
    if (k >= 0x80 && k <= 0x9F) return kUst80[k - 0x80];
    switch (k) {
    case 0xD0: return 0x011E; // Ğ
    case 0xDD: return 0x0130; // İ
    case 0xDE: return 0x015E; // Ş
    case 0xF0: return 0x011F; // ğ
    case 0xFD: return 0x0131; // ı
    case 0xFE: return 0x015F; // ş
    default: return k;
    }
}

} // namespace

namespace Cp1254 {

QChar karakter(unsigned char k) { return QChar(tablodan(k)); }

std::optional<unsigned char> kod(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80) return static_cast<unsigned char>(u);
    for (int k = 0x80; k <= 0xFF; ++k) {
        if (tablodan(static_cast<unsigned char>(k)) == u) return static_cast<unsigned char>(k);
    }
    return std::nullopt;
}

QString coz(const QByteArray& baytlar) {
    QString s;
    s.reserve(baytlar.size());
    for (char b : baytlar) s.append(karakter(static_cast<unsigned char>(b)));
    return s;
}

QByteArray kodla(const QString& metin) {
    QByteArray b;
    b.reserve(metin.size());
    for (QChar c : metin) b.append(static_cast<char>(kod(c).value_or('?')));
    return b;
}

QString dosyaMetni(const QByteArray& baytlar) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString metin = utf8.decode(baytlar);
    if (utf8.hasError()) return coz(baytlar);
    if (metin.startsWith(QChar(0xFEFF))) metin.remove(0, 1);
    return metin;
}

} // namespace Cp1254
