#include "filterform/SecimListesi.h"
#include "platform/izgara/IzgaraModeli.h"
#include "template/FiltreSatiri.h"

namespace {

const QString kHepsi = QStringLiteral("Hepsi");
constexpr int kEnFazlaYukseklik = 6500;
constexpr int kGenislik = 3525;
constexpr int kKaydirmaliGenislik = 3675;
constexpr int kAltPay = 500;

bool hepsiSatiri(const IzgaraModeli& liste, int satir) { return satir == 0 && liste.hucre(0, SecimSutun::Tip) == kHepsi; }

void isaretle(IzgaraModeli& liste, int satir, bool secili) {
    liste.hucreYaz(satir, SecimSutun::Secim, secili ? QStringLiteral("True") : QStringLiteral("False"));
}

} // namespace

void Secim_Listesi_Kur(IzgaraModeli& liste) {
    liste.sutunlariKur({{SecimSutun::Secim, QString(), 495, false}, {SecimSutun::Tip, QString(), 3000, false}}, 0);
}

void Secenekleri_Listele(IzgaraModeli& liste, const IzgaraModeli& filtre, int satir) {
    liste.satirSayisiAyarla(0);
    const QString secenekler = filtre.hucre(satir, Sutun::CoktanSecmeSecenek);
    qsizetype konum = 0;
    while (konum < secenekler.size()) {
        const qsizetype virgul = secenekler.indexOf(u',', konum);
        const QString secenek = secenekler.mid(konum, virgul < 0 ? -1 : virgul - konum);
        const int n = liste.satirSayisi();
        liste.satirSayisiAyarla(n + 1);
        isaretle(liste, n, false);
        liste.hucreYaz(n, SecimSutun::Tip, secenek);
        if (virgul < 0) break;
        konum = virgul + 1;
    }
    if (filtre.hucre(satir, Sutun::CoktanSecmeSecim).isEmpty()) {
        for (int s = 0; s < liste.satirSayisi(); ++s) isaretle(liste, s, true);
    } else {
        Secimi_Isaretle(liste, filtre, satir);
    }
}

void Secimi_Isaretle(IzgaraModeli& liste, const IzgaraModeli& filtre, int satir) {
    const QString secim = filtre.hucre(satir, Sutun::CoktanSecmeSecim);
    qsizetype konum = 0;
    for (;;) {
        const qsizetype virgul = secim.indexOf(u',', konum);
        if (virgul < 0) break; // an unterminated rest names no choice
        const QString secilen = secim.mid(konum, virgul - konum);
        konum = virgul + 1;
        for (int s = 0; s < liste.satirSayisi(); ++s) {
            if (liste.hucre(s, SecimSutun::Tip) != secilen) continue;
            isaretle(liste, s, true);
            break;
        }
    }
}

void Secimi_Kaydet(const IzgaraModeli& liste, IzgaraModeli& filtre, int satir) {
    QString secim;
    for (int s = 0; s < liste.satirSayisi(); ++s) {
        const bool secili = Secili_Mi(liste, s);
        if (hepsiSatiri(liste, s)) {
            if (secili) break; // all: the choice stays empty
            continue;
        }
        if (secili) secim += liste.hucre(s, SecimSutun::Tip) + u',';
    }
    filtre.hucreYaz(satir, Sutun::CoktanSecmeSecim, secim);
    filtre.hucreYaz(satir, Sutun::Baslangic, secim.isEmpty() ? kHepsi : QStringLiteral("Secimli"));
}

bool Secili_Mi(const IzgaraModeli& liste, int satir) {
    return liste.hucre(satir, SecimSutun::Secim).compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
}

void Secimi_Ayarla(IzgaraModeli& liste, int satir, bool secili) {
    if (satir < 0 || satir >= liste.satirSayisi()) return;
    isaretle(liste, satir, secili);
    if (hepsiSatiri(liste, satir)) {
        for (int s = 1; s < liste.satirSayisi(); ++s) isaretle(liste, s, secili);
    } else if (hepsiSatiri(liste, 0)) {
        isaretle(liste, 0, false);
    }
}

QRect Liste_Yeri(const QRect& hucre, int satirYuksekligi, int secenekSayisi, int formYuksekligi) {
    int yukseklik = satirYuksekligi * secenekSayisi + 50;
    bool kaydirma = false;
    auto kes = [&](int sinir) {
        if (yukseklik > sinir) {
            yukseklik = qMax(0, sinir);
            kaydirma = true;
        }
    };
    kes(kEnFazlaYukseklik);
    const int alttaYer = formYuksekligi - kAltPay - (hucre.bottom() + 1);
    const int usttekiYer = hucre.top();
    int ust = 0;
    if (yukseklik <= alttaYer) {
        ust = hucre.bottom() + 1;
    } else if (yukseklik <= usttekiYer) {
        ust = hucre.top() - yukseklik;
    } else if (alttaYer >= usttekiYer) {
        kes(alttaYer);
        ust = hucre.bottom() + 1;
    } else {
        kes(usttekiYer);
        ust = hucre.top() - yukseklik;
    }
    return QRect(hucre.left(), ust, kaydirma ? kKaydirmaliGenislik : kGenislik, yukseklik);
}
