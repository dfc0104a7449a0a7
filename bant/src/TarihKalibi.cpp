#include "bant/TarihKalibi.h"

#include <algorithm>

namespace {

void ikiBasamak(QString& s, int n) {
    s += QChar(u'0' + n / 10);
    s += QChar(u'0' + n % 10);
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
            enUzun_ += n;
        } else {
            parcalar_.append({tur, {}});
            enUzun_ += tur == Tur::Yil4 ? 4 : 2;
        }
        i += n;
    }
}

QString TarihKalibi::yaz(QDate gun) const {
    if (!gun.isValid()) return {};
    int yil = 0, ay = 0, gunu = 0;
    gun.getDate(&yil, &ay, &gunu); // the calendar worked out once, not once per part
    if (!elle_ || yil < 1 || yil > 9999) return gun.toString(bicim_);
    QString s(enUzun_, Qt::Uninitialized);
    QChar* const bas = s.data();
    QChar* p = bas;
    auto rakamlar = [&p](int n, int basamak) {
        for (int i = basamak - 1; i >= 0; --i, n /= 10) p[i] = QChar(u'0' + n % 10);
        p += basamak;
    };
    for (const Parca& parca : parcalar_) {
        switch (parca.tur) {
        case Tur::Metin:
            std::copy(parca.metin.cbegin(), parca.metin.cend(), p);
            p += parca.metin.size();
            break;
        case Tur::Gun: rakamlar(gunu, gunu < 10 ? 1 : 2); break;
        case Tur::Gun2: rakamlar(gunu, 2); break;
        case Tur::Ay: rakamlar(ay, ay < 10 ? 1 : 2); break;
        case Tur::Ay2: rakamlar(ay, 2); break;
        case Tur::Yil2: rakamlar(yil % 100, 2); break;
        case Tur::Yil4: rakamlar(yil, 4); break;
        }
    }
    s.truncate(p - bas);
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
