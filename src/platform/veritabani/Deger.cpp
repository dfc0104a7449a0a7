#include "platform/veritabani/Deger.h"
#include "platform/veritabani/VeritabaniHatasi.h"

#include <QRegularExpression>
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

QDateTime tarihMetnindenOku(const QString& s) {
    static const QRegularExpression re(QStringLiteral(R"(^(\d{4})-(\d{2})-(\d{2})(?:[ T](\d{2}):(\d{2})(?::(\d{2})(?:\.(\d{1,9}))?)?)?$)"));
    const auto m = re.match(s.trimmed());
    if (!m.hasMatch()) return {};
    const QDate gun(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!gun.isValid()) return {};
    int ms = 0;
    if (m.hasCaptured(7)) ms = m.captured(7).left(3).leftJustified(3, u'0').toInt();
    const QTime saat(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(6).toInt(), ms);
    return QDateTime(gun, saat.isValid() ? saat : QTime(0, 0));
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
