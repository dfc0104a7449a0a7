#include "bant/TarihKalibi.h"

namespace {

void ikiBasamak(QString& s, int n) {
    s += QChar(u'0' + n / 10);
    s += QChar(u'0' + n % 10);
}

void dortBasamak(QString& s, int n) {
    ikiBasamak(s, n / 100);
    ikiBasamak(s, n % 100);
}

} // namespace

TarihKalibi::TarihKalibi(const QString& bicim) : bicim_(bicim) {
    for (qsizetype i = 0; i < bicim.size() && elle_;) {
        const QChar c = bicim.at(i);
        qsizetype n = 1;
        while (i + n < bicim.size() && bicim.at(i + n) == c) ++n;
        Tur tur = Tur::Metin;
        if (c == u'd' && n <= 2)
            tur = n == 1 ? Tur::Gun : Tur::Gun2;
        else if (c == u'M' && n <= 2)
            tur = n == 1 ? Tur::Ay : Tur::Ay2;
        else if (c == u'y' && (n == 2 || n == 4))
            tur = n == 2 ? Tur::Yil2 : Tur::Yil4;
        else if (c == u'\'' || (c.unicode() < 128 && c.isLetter()))
            elle_ = false; // names, quoted text, letters Qt may read
        if (tur == Tur::Metin) {
            if (parcalar_.isEmpty() || parcalar_.last().tur != Tur::Metin) parcalar_.append({Tur::Metin, {}});
            parcalar_.last().metin += bicim.mid(i, n);
        } else {
            parcalar_.append({tur, {}});
        }
        i += n;
    }
}

QString TarihKalibi::yaz(QDate gun) const {
    if (!gun.isValid()) return {};
    const int yil = gun.year();
    if (!elle_ || yil < 1 || yil > 9999) return gun.toString(bicim_);
    QString s;
    s.reserve(bicim_.size() + 4);
    for (const Parca& p : parcalar_) {
        switch (p.tur) {
        case Tur::Metin: s += p.metin; break;
        case Tur::Gun: s += QString::number(gun.day()); break;
        case Tur::Gun2: ikiBasamak(s, gun.day()); break;
        case Tur::Ay: s += QString::number(gun.month()); break;
        case Tur::Ay2: ikiBasamak(s, gun.month()); break;
        case Tur::Yil2: ikiBasamak(s, yil % 100); break;
        case Tur::Yil4: dortBasamak(s, yil); break;
        }
    }
    return s;
}

void TarihKalibi::saatEkle(QString& s, QTime t) {
    ikiBasamak(s, t.hour());
    s += u':';
    ikiBasamak(s, t.minute());
    s += u':';
    ikiBasamak(s, t.second());
}

QString TarihKalibi::saniyeli(const QDateTime& t) {
    static const TarihKalibi gun(QStringLiteral("yyyy-MM-dd"));
    if (!t.isValid()) return {};
    if (t.date().year() < 1 || t.date().year() > 9999) return t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QString s = gun.yaz(t.date());
    s += u' ';
    saatEkle(s, t.time());
    return s;
}
