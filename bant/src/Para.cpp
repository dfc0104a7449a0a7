#include "bant/Para.h"

#include <cmath>
#include <limits>

Para Para::ondaliktan(double d) {
    const double olcekli = std::round(d * kBirim);
    if (!std::isfinite(olcekli) || std::fabs(olcekli) > 1e34) throw AralikDisi(QString::number(d, 'g', 17));
    // Beyond 2^63 the double holds a whole number that a 128-bit integer takes exactly.
    return hamdan(static_cast<Ham>(olcekli));
}

std::optional<Para> Para::metinden(const QString& metin, QChar ondalik) {
    QString s = metin.trimmed();
    if (s.isEmpty()) return std::nullopt;
    bool negatif = false;
    if (s.startsWith(u'-') || s.startsWith(u'+')) {
        negatif = s.startsWith(u'-');
        s.remove(0, 1);
    }
    const qsizetype nokta = s.indexOf(ondalik);
    const QString tam = nokta < 0 ? s : s.left(nokta);
    QString kesir = nokta < 0 ? QString() : s.mid(nokta + 1);
    if (tam.isEmpty() && kesir.isEmpty()) return std::nullopt;
    for (QChar c : tam + kesir)
        if (!c.isDigit() || c.unicode() > '9') return std::nullopt;
    if (tam.size() > 30) return std::nullopt;
    Ham deger = 0;
    for (QChar c : tam) deger = deger * 10 + c.digitValue();
    // Beyond four decimals the value is rounded half away from zero.
    int yuvarlama = 0;
    if (kesir.size() > 4) {
        yuvarlama = kesir.at(4).digitValue() >= 5 ? 1 : 0;
        kesir.truncate(4);
    }
    while (kesir.size() < 4) kesir.append(u'0');
    deger = deger * kBirim + kesir.toLongLong() + yuvarlama;
    return hamdan(negatif ? -deger : deger);
}

QString Para::metin() const {
    Ham mutlak = ham_ < 0 ? -ham_ : ham_;
    if (mutlak <= std::numeric_limits<qint64>::max()) { // the usual case, in 64 bits
        const auto m = static_cast<qint64>(mutlak);
        return QStringLiteral("%1%2.%3")
            .arg(ham_ < 0 ? QStringLiteral("-") : QString())
            .arg(m / kBirim)
            .arg(m % kBirim, 4, 10, QLatin1Char('0'));
    }
    // Beyond, digits by hand: Qt prints 64-bit numbers only.
    char rakamlar[48];
    int n = 0;
    do {
        rakamlar[n++] = static_cast<char>('0' + static_cast<int>(mutlak % 10));
        mutlak /= 10;
    } while (mutlak != 0 || n < 5);
    QString s;
    s.reserve(n + 2);
    if (ham_ < 0) s += u'-';
    for (int i = n - 1; i >= 0; --i) {
        s += QLatin1Char(rakamlar[i]);
        if (i == 4) s += u'.';
    }
    return s;
}

Para Para::yuvarla(int basamak) const {
    basamak = qBound(0, basamak, 4);
    Ham adim = 1;
    for (int i = basamak; i < 4; ++i) adim *= 10;
    const Ham mutlak = ham_ < 0 ? -ham_ : ham_;
    const Ham yuvarlak = (mutlak + adim / 2) / adim * adim;
    return hamdan(ham_ < 0 ? -yuvarlak : yuvarlak);
}
