#include "bant/SayiBicimi.h"

#include <QVarLengthArray>

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
    for (const QChar c : bicim) {
        if (c == u'.') {
            d.nokta = true;
        } else if (!d.nokta) {
            d.grupla = d.grupla || c == u',';
            d.enAzTam += c == u'0' ? 1 : 0;
        } else if (c == u'0') {
            ++d.sabitKesir;
        } else if (c == u'#') {
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

// Money is formatted from its whole number of ten-thousandths, digit by
// digit, without passing through text: a report formats one per field.
QString bicimle(Para deger, const QString& bicim, const QString& ondalik, const QString& binlik) {
    const Desen d = coz(bicim);
    const int kesirler = d.sabitKesir + d.istegeBagliKesir;
    if (kesirler > 4) return bicimle(deger.ondalik(), bicim, ondalik, binlik);
    const Para y = deger.yuvarla(kesirler);
    const bool negatif = y.ham() < 0;
    const Para::Ham mutlak = negatif ? -y.ham() : y.ham();
    Para::Ham tam = mutlak / Para::kBirim;
    int kesir = static_cast<int>(mutlak % Para::kBirim);
    for (int i = kesirler; i < 4; ++i) kesir /= 10;
    // The fraction's digits, those beyond the fixed ones dropped while they are zeros.
    char16_t kesirRakamlari[4];
    int kesirSayisi = kesirler;
    for (int i = kesirler - 1; i >= 0; --i, kesir /= 10) kesirRakamlari[i] = static_cast<char16_t>(u'0' + kesir % 10);
    while (kesirSayisi > d.sabitKesir && kesirRakamlari[kesirSayisi - 1] == u'0') --kesirSayisi;
    // The integer's digits from the right.
    char16_t tamRakamlari[48];
    int tamSayisi = 0;
    for (; tam > 0; tam /= 10) tamRakamlari[tamSayisi++] = static_cast<char16_t>(u'0' + static_cast<int>(tam % 10));
    bool sifir = tamSayisi == 0;
    for (int i = 0; i < kesirSayisi; ++i) sifir = sifir && kesirRakamlari[i] == u'0';
    if (tamSayisi == 0 && d.enAzTam > 0) tamRakamlari[tamSayisi++] = u'0';
    while (tamSayisi < d.enAzTam && tamSayisi < 48) tamRakamlari[tamSayisi++] = u'0';
    // Written into a buffer on the stack and made a string once: appending
    // character by character to a QString cost more than all the digits.
    QVarLengthArray<char16_t, 96> s;
    auto ekle = [&s](const QString& t) { s.append(reinterpret_cast<const char16_t*>(t.utf16()), t.size()); };
    if (negatif && !sifir) s.append(u'-');
    for (int i = tamSayisi - 1; i >= 0; --i) {
        s.append(tamRakamlari[i]);
        if (d.grupla && i > 0 && i % 3 == 0) ekle(binlik);
    }
    if (d.nokta) {
        ekle(ondalik);
        s.append(kesirRakamlari, kesirSayisi);
    }
    return QString(reinterpret_cast<const QChar*>(s.constData()), s.size());
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
