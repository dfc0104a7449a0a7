#include "bant/Deger.h"
#include "bant/VeritabaniHatasi.h"

#include <cmath>

namespace {

[[noreturn]] void nullHatasi() { throw VeritabaniHatasi(HataNo::GecersizNull, HataMetni::gecersizNull()); }
[[noreturn]] void turHatasi() { throw VeritabaniHatasi(HataNo::TurUyusmazligi, HataMetni::turUyusmazligi()); }

double metindenSayi(const QString& s) {
    bool tamam = false;
    const double d = s.trimmed().toDouble(&tamam);
    if (!tamam) turHatasi();
    return d;
}

} // namespace

namespace {

// Digits at [i, i + n) as a number; -1 when any is not a digit.
int rakamlar(const QString& s, qsizetype i, int n) {
    if (i + n > s.size()) return -1;
    int v = 0;
    for (qsizetype k = i; k < i + n; ++k) {
        const char16_t c = s.at(k).unicode();
        if (c < u'0' || c > u'9') return -1;
        v = v * 10 + (c - u'0');
    }
    return v;
}

} // namespace

QDateTime tarihMetnindenOku(const QString& metin) {
    // Read by hand, every row has one: "YYYY-MM-DD[( |T)HH:MM[:SS[.f...]]]".
    qsizetype bas = 0, son = metin.size();
    while (bas < son && metin.at(bas).isSpace()) ++bas;
    while (son > bas && metin.at(son - 1).isSpace()) --son;
    const QString s = bas == 0 && son == metin.size() ? metin : metin.mid(bas, son - bas);
    const qsizetype n = s.size();
    if (n < 10 || s.at(4) != u'-' || s.at(7) != u'-') return {};
    const QDate gun(rakamlar(s, 0, 4), rakamlar(s, 5, 2), rakamlar(s, 8, 2));
    if (rakamlar(s, 0, 4) < 0 || !gun.isValid()) return {};
    int sa = 0, dk = 0, sn = 0, ms = 0;
    if (n > 10) {
        if ((s.at(10) != u' ' && s.at(10) != u'T') || n < 16 || s.at(13) != u':') return {};
        sa = rakamlar(s, 11, 2);
        dk = rakamlar(s, 14, 2);
        if (sa < 0 || dk < 0) return {};
        if (n > 16) {
            if (s.at(16) != u':' || n < 19 || (sn = rakamlar(s, 17, 2)) < 0) return {};
            if (n > 19) {
                const qsizetype basamak = n - 20;
                if (s.at(19) != u'.' || basamak < 1 || basamak > 9 || rakamlar(s, 20, static_cast<int>(basamak)) < 0) return {};
                ms = rakamlar(s, 20, static_cast<int>(qMin<qsizetype>(basamak, 3)));
                for (qsizetype k = basamak; k < 3; ++k) ms *= 10;
            }
        }
    }
    const QTime saat(sa, dk, sn, ms);
    // A stored date-time has no zone: it is kept as it reads, never through local time.
    return QDateTime(gun, saat.isValid() ? saat : QTime(0, 0), Qt::UTC);
}

QString Deger::metin() const {
    switch (tur()) {
    case Tur::Bos: nullHatasi();
    case Tur::Metin: return std::get<QString>(v_);
    case Tur::Tamsayi: return QString::number(std::get<qint64>(v_));
    case Tur::Ondalik: return QString::number(std::get<double>(v_), 'g', 15);
    case Tur::Para: {
        // Money prints without trailing zeros, as a conversion to text does.
        QString s = std::get<Para>(v_).metin();
        while (s.endsWith(u'0')) s.chop(1);
        if (s.endsWith(u'.')) s.chop(1);
        return s;
    }
    case Tur::Tarih: {
        const QDateTime t = std::get<QDateTime>(v_);
        return t.time() == QTime(0, 0) ? t.date().toString(Qt::ISODate) : t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    case Tur::Bayrak: return std::get<bool>(v_) ? QStringLiteral("True") : QStringLiteral("False");
    }
    return {};
}

QString Deger::metinVeyaBos() const { return bosMu() ? QString() : metin(); }

qint64 Deger::tamsayi() const {
    switch (tur()) {
    case Tur::Bos: nullHatasi();
    case Tur::Tamsayi: return std::get<qint64>(v_);
    case Tur::Bayrak: return std::get<bool>(v_) ? -1 : 0;
    case Tur::Ondalik: return static_cast<qint64>(std::nearbyint(std::get<double>(v_)));
    case Tur::Para: return static_cast<qint64>(std::nearbyint(std::get<Para>(v_).ondalik()));
    case Tur::Metin: return static_cast<qint64>(std::nearbyint(metindenSayi(std::get<QString>(v_))));
    case Tur::Tarih: turHatasi();
    }
    return 0;
}

double Deger::ondalik() const {
    switch (tur()) {
    case Tur::Bos: nullHatasi();
    case Tur::Tamsayi: return static_cast<double>(std::get<qint64>(v_));
    case Tur::Bayrak: return std::get<bool>(v_) ? -1.0 : 0.0;
    case Tur::Ondalik: return std::get<double>(v_);
    case Tur::Para: return std::get<Para>(v_).ondalik();
    case Tur::Metin: return metindenSayi(std::get<QString>(v_));
    case Tur::Tarih: turHatasi();
    }
    return 0;
}

Para Deger::para() const {
    switch (tur()) {
    case Tur::Bos: nullHatasi();
    case Tur::Para: return std::get<Para>(v_);
    case Tur::Tamsayi: return Para::tamdan(std::get<qint64>(v_));
    case Tur::Bayrak: return Para::tamdan(std::get<bool>(v_) ? -1 : 0);
    case Tur::Ondalik: return Para::ondaliktan(std::get<double>(v_));
    case Tur::Metin: {
        const auto p = Para::metinden(std::get<QString>(v_));
        if (!p) turHatasi();
        return *p;
    }
    case Tur::Tarih: turHatasi();
    }
    return {};
}

QDateTime Deger::tarih() const {
    switch (tur()) {
    case Tur::Bos: nullHatasi();
    case Tur::Tarih: return std::get<QDateTime>(v_);
    case Tur::Metin: {
        const QDateTime t = tarihMetnindenOku(std::get<QString>(v_));
        if (!t.isValid()) turHatasi();
        return t;
    }
    default: turHatasi();
    }
}

bool Deger::bayrak() const {
    switch (tur()) {
    case Tur::Bos: nullHatasi();
    case Tur::Bayrak: return std::get<bool>(v_);
    case Tur::Tamsayi: return std::get<qint64>(v_) != 0;
    case Tur::Ondalik: return std::get<double>(v_) != 0.0;
    case Tur::Para: return std::get<Para>(v_).ham() != 0;
    case Tur::Metin: {
        const QString s = std::get<QString>(v_).trimmed();
        if (s.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
        if (s.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
        return metindenSayi(s) != 0.0;
    }
    case Tur::Tarih: turHatasi();
    }
    return false;
}
