#include "platform/metin/SayiBicimi.h"

#include <cmath>
#include <limits>

namespace SayiBicimi {
namespace {

struct Desen {
    bool grupla = false;
    bool nokta = false; // the separator is written even with no decimals to show
    int enAzTam = 0;
    int sabitKesir = 0;
    int istegeBagliKesir = 0;
};

Desen coz(const QString& bicim) {
    Desen d;
    const qsizetype nokta = bicim.indexOf(u'.');
    const QString tam = nokta < 0 ? bicim : bicim.left(nokta);
    d.grupla = tam.contains(u',');
    d.enAzTam = static_cast<int>(tam.count(u'0'));
    d.nokta = nokta >= 0;
    if (nokta >= 0) {
        for (QChar c : bicim.mid(nokta + 1)) {
            if (c == u'0')
                ++d.sabitKesir;
            else if (c == u'#')
                ++d.istegeBagliKesir;
        }
    }
    return d;
}

// `rakamlar` holds the rounded absolute value as "integer.fraction" digits
// with exactly sabitKesir + istegeBagliKesir fraction digits.
QString yaz(bool negatif, QString rakamlar, const Desen& d, const QString& ondalik, const QString& binlik) {
    const qsizetype nokta = rakamlar.indexOf(u'.');
    QString tam = nokta < 0 ? rakamlar : rakamlar.left(nokta);
    QString kesir = nokta < 0 ? QString() : rakamlar.mid(nokta + 1);
    while (kesir.size() > d.sabitKesir && kesir.endsWith(u'0')) kesir.chop(1);
    while (tam.size() > 1 && tam.startsWith(u'0')) tam.remove(0, 1);
    if (tam == QLatin1String("0") && d.enAzTam == 0) tam.clear();
    while (tam.size() < d.enAzTam) tam.prepend(u'0');
    if (d.grupla) {
        for (qsizetype i = tam.size() - 3; i > 0; i -= 3) tam.insert(i, binlik);
    }
    auto sifirMi = [](const QString& r) {
        for (QChar c : r)
            if (c >= u'1' && c <= u'9') return false;
        return true;
    };
    const bool sifir = sifirMi(tam) && sifirMi(kesir);
    QString s = tam;
    if (d.nokta) s += ondalik + kesir;
    return negatif && !sifir ? u'-' + s : s;
}

} // namespace

QString bicimle(Para deger, const QString& bicim, const QString& ondalik, const QString& binlik) {
    const Desen d = coz(bicim);
    const int kesirler = d.sabitKesir + d.istegeBagliKesir;
    if (kesirler > 4) return bicimle(deger.ondalik(), bicim, ondalik, binlik);
    const Para y = deger.yuvarla(kesirler);
    QString rakamlar = (y.ham() < 0 ? -y : y).metin(); // "123.4500"
    rakamlar.chop(4 - kesirler);
    if (rakamlar.endsWith(u'.')) rakamlar.chop(1);
    return yaz(y.ham() < 0, rakamlar, d, ondalik, binlik);
}

QString bicimle(double deger, const QString& bicim, const QString& ondalik, const QString& binlik) {
    const Desen d = coz(bicim);
    const int kesirler = d.sabitKesir + d.istegeBagliKesir;
    if (!std::isfinite(deger)) return {}; // no number to show: an empty field, never "inf"
    // Half away from zero on the decimal digits, not on the binary fraction.
    const double olcek = std::pow(10.0, kesirler);
    const double yuvarlak = std::round(std::fabs(deger) * olcek * (1 + 4 * std::numeric_limits<double>::epsilon())) / olcek;
    return yaz(deger < 0, QString::number(yuvarlak, 'f', kesirler), d, ondalik, binlik);
}

} // namespace SayiBicimi
