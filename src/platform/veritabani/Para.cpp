#include "platform/veritabani/Para.h"

#include <cmath>

Para Para::ondaliktan(double d) { return hamdan(static_cast<qint64>(std::llround(d * kBirim))); }

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
    if (tam.size() > 14) return std::nullopt;
    qint64 deger = tam.isEmpty() ? 0 : tam.toLongLong();
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
    const qint64 mutlak = ham_ < 0 ? -ham_ : ham_;
    return QStringLiteral("%1%2.%3")
        .arg(ham_ < 0 ? QStringLiteral("-") : QString())
        .arg(mutlak / kBirim)
        .arg(mutlak % kBirim, 4, 10, QLatin1Char('0'));
}

Para Para::yuvarla(int basamak) const {
    basamak = qBound(0, basamak, 4);
    qint64 adim = 1;
    for (int i = basamak; i < 4; ++i) adim *= 10;
    const qint64 mutlak = ham_ < 0 ? -ham_ : ham_;
    const qint64 yuvarlak = (mutlak + adim / 2) / adim * adim;
    return hamdan(ham_ < 0 ? -yuvarlak : yuvarlak);
}
