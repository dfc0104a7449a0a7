#include "filterform/FiltreIzgarasi.h"
#include "platform/izgara/IzgaraModeli.h"

void Filtre_Izgarasi_Kur(IzgaraModeli& grid) {
    grid.sutunlariKur(
        {
            {Sutun::FiltreLbl, QStringLiteral("Filtre Adı"), 2265, false},
            {Sutun::Baslangic, QStringLiteral("Başlangıç Değeri"), 3180, false},
            {Sutun::Bitis, QStringLiteral("Bitiş Değeri"), 3180, false},
            {Sutun::Ayirac, QStringLiteral("Ayıraç"), 420, true},
            {Sutun::Alan, QStringLiteral("Alan_Adi"), 3195, true},
            {Sutun::Secenek, QStringLiteral("Secenek"), 495, true},
            {Sutun::Tip, QStringLiteral("Tip"), 495, true},
            {Sutun::Girsin, QStringLiteral("Girsin"), 1080, true},
            {Sutun::CoktanSecmeSecenek, QStringLiteral("Coktan Seçmeli Secenek"), 1140, true},
            {Sutun::CoktanSecmeSecim, QStringLiteral("coktan Secmeli Secim"), 4995, true},
        },
        1);
}

void Rapor_Yeri_Kur(IzgaraModeli& grid) {
    grid.sutunlariKur({{QStringLiteral("RaporYeri"), QString(), 1500, false}}, 0);
    grid.satirSayisiAyarla(1);
    grid.hucreYaz(0, 0, QStringLiteral("Ekran"));
    grid.acilirListeAyarla(kRaporYerleri);
    grid.duzenlenebilirAyarla(true);
    grid.gecerliHucreAyarla(0, 0);
}
