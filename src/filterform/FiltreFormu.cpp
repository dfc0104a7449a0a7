#include "filterform/FiltreFormu.h"
#include "filterform/SecimListesi.h"
#include "filterform/FiltreIzgarasi.h"
#include "filterform/Secenekler.h"
#include "bant/VeritabaniHatasi.h"
#include "startup/BolgeselAyar.h"
#include "template/Sablon.h"

#include <QDate>

namespace {
bool tarihAraligiMi(const QString& tip) { return Aralik_Mi(Satir_Tipi(tip)); }
} // namespace

FiltreFormu::FiltreFormu(ListeOrtami liste, QObject* ust) : QObject(ust), liste_(std::move(liste)) {
    Filtre_Izgarasi_Kur(FiltreGrd);
    Rapor_Yeri_Kur(RaporYeri);
    Secim_Listesi_Kur(CoktanSecmeliGrd);
}

void FiltreFormu::AraBtn_Click() {
    if (!secimAcik_) {
        SecimSatiri = FiltreGrd.gecerliSatir();
        SecimIptal = false;
        Secenekleri_Listele(CoktanSecmeliGrd, FiltreGrd, SecimSatiri);
        CoktanSecmeliGrd.gecerliHucreAyarla(0, 0);
        secimAcik_ = true;
        return;
    }
    Secimi_Kaydet(CoktanSecmeliGrd, FiltreGrd, SecimSatiri);
    secimAcik_ = false;
}

void FiltreFormu::secimdenVazgec() {
    SecimIptal = true;
    secimAcik_ = false;
}

void FiltreFormu::secimOdagiKaybetti() {
    if (!secimAcik_) return;
    if (!SecimIptal) {
        FiltreGrd.gecerliHucreAyarla(SecimSatiri, FiltreGrd.gecerliSutun());
        Secimi_Kaydet(CoktanSecmeliGrd, FiltreGrd, SecimSatiri);
    }
    secimAcik_ = false;
}

QString FiltreFormu::yukle(const QString& sablonYolu) {
    RaporYeri.gecerliHucreAyarla(0, 0);
    const QString mesaj = Master_Oku(FiltreGrd, sablon_, sablonYolu);
    if (!mesaj.isEmpty()) return mesaj;
    const int baslangic = FiltreGrd.sutunNo(Sutun::Baslangic);
    if (FiltreGrd.satirSayisi() > 1 && hareketOncesi(1, baslangic)) {
        FiltreGrd.gecerliHucreAyarla(1, baslangic);
        hareketSonrasi(1, baslangic);
    }
    if (FiltreGrd.satirSayisi() < kEnAzSatir) FiltreGrd.satirSayisiAyarla(kEnAzSatir);
    FiltreGrd.kalinYap(0, 0, 0, FiltreGrd.columnCount() - 1, true);
    FiltreGrd.kalinYap(1, 0, FiltreGrd.satirSayisi() - 1, 0, true);
    const int bitis = FiltreGrd.sutunNo(Sutun::Bitis);
    for (int s = 1; s < FiltreGrd.satirSayisi(); ++s) {
        if (FiltreGrd.hucre(s, Sutun::FiltreLbl).isEmpty()) continue;
        if (!tarihAraligiMi(FiltreGrd.hucre(s, Sutun::Tip))) FiltreGrd.arkaPlanYap(s, bitis, kGriBitis);
    }
    return {};
}

void FiltreFormu::etkinlestir(const std::function<void(int, int)>& ilerleme) {
    if (degerlerYuklendi_) return;
    const Doldurulanlar d = Secenekleri_Doldur(liste_, FiltreGrd, ilerleme);
    ilkKullanimda_ = QSet<int>(d.ilkKullanimda.begin(), d.ilkKullanimda.end());
    uzunListeler_ = QSet<int>(d.uzun.begin(), d.uzun.end());
    degerlerYuklendi_ = true;
}

void FiltreFormu::listeyiHazirla(int satir) {
    if (!ilkKullanimda_.remove(satir)) return;
    const QString baslik = FiltreGrd.hucre(satir, Sutun::FiltreLbl);
    try {
        if (const std::optional<QString> liste = Deger_Listesi_Al(liste_, baslik)) {
            FiltreGrd.hucreYaz(satir, Sutun::Secenek, *liste);
        } else {
            FiltreGrd.hucreYaz(satir, Sutun::Secenek, Liste_Basi(baslik));
            uzunListeler_.insert(satir);
        }
    } catch (const VeritabaniHatasi&) {
        // Shown already; the template's list stays.
    }
}

bool FiltreFormu::listeyeUyar(int satir, const QString& deger) {
    if (ilkKullanimda_.contains(satir) || uzunListeler_.contains(satir)) {
        const QString baslik = FiltreGrd.hucre(satir, Sutun::FiltreLbl);
        const QString bas = Liste_Basi(baslik);
        try {
            return bas.startsWith(u'|') || deger == bas || Listede_Var(liste_, baslik, deger);
        } catch (const VeritabaniHatasi&) { return false; } // shown already
    }
    const QString liste = FiltreGrd.hucre(satir, Sutun::Secenek);
    return liste.isEmpty() || liste.startsWith(u'|') || liste.split(u'|').contains(deger);
}

bool FiltreFormu::hareketOncesi(int satir, int sutun) {
    if (sutun == FiltreGrd.sutunNo(Sutun::FiltreLbl)) return false;
    listeyiHazirla(satir);
    IzgaraModeli::Baslayanlar baslayanlar;
    if (uzunListeler_.contains(satir))
        baslayanlar = [this, baslik = FiltreGrd.hucre(satir, Sutun::FiltreLbl)](const QString& onEk) {
            try {
                return Baslayan_Degerler(liste_, baslik, onEk);
            } catch (const VeritabaniHatasi&) { return QStringList(); } // shown already
        };
    FiltreGrd.acilirListeAyarla(FiltreGrd.hucre(satir, Sutun::Secenek), baslayanlar);
    FiltreGrd.duzenlenebilirAyarla(!FiltreGrd.hucre(satir, Sutun::FiltreLbl).isEmpty());
    return true;
}

bool FiltreFormu::cokluSecimSatiri(int satir) const { return !FiltreGrd.hucre(satir, Sutun::CoktanSecmeSecenek).isEmpty(); }

std::pair<int, int> FiltreFormu::hareketSonrasi(int satir, int sutun) {
    if (!tarihAraligiMi(FiltreGrd.hucre(satir, Sutun::Tip)) && sutun == FiltreGrd.sutunNo(Sutun::Bitis))
        return {satir, FiltreGrd.sutunNo(Sutun::Baslangic)};
    // A multiple choice is made in the selection list, never typed.
    FiltreGrd.duzenlenebilirAyarla(!cokluSecimSatiri(satir));
    return {satir, sutun};
}

void FiltreFormu::duzenlemeSonrasi(int satir) {
    const QString bas = FiltreGrd.hucre(satir, Sutun::Baslangic);
    if (FiltreGrd.gecerliSutun() != FiltreGrd.sutunNo(Sutun::Bitis) && Satir_Tipi(FiltreGrd.hucre(satir, Sutun::Tip)) == SatirTipi::GR &&
        !bas.isEmpty())
        FiltreGrd.hucreYaz(satir, Sutun::Bitis, bas);
    if (FiltreGrd.hucre(satir, Sutun::FiltreLbl) == QLatin1String("Grupla")) {
        const QString toplam = bas == QLatin1String("Gruplama Yok") ? QStringLiteral("Hayır") : QStringLiteral("Evet");
        for (int s : satirlar(QStringLiteral("Genel Rapor Toplamı"))) FiltreGrd.hucreYaz(s, Sutun::Baslangic, toplam);
    }
}

bool FiltreFormu::tarihSatiri(int satir) const {
    return FiltreGrd.hucre(satir, Sutun::FiltreLbl).contains(QStringLiteral("İşlem Tarihi")) ||
           FiltreGrd.hucre(satir, Sutun::Tip) == QLatin1String("TR");
}

void FiltreFormu::Sil() {
    const int satir = FiltreGrd.gecerliSatir();
    const int sutun = FiltreGrd.gecerliSutun();
    if (satir < FiltreGrd.sabitSatir()) return;
    const QString liste = FiltreGrd.hucre(satir, Sutun::Secenek);
    if (!liste.isEmpty()) {
        FiltreGrd.hucreYaz(satir, sutun, liste.section(u'|', 0, 0));
        return;
    }
    if (!cokluSecimSatiri(satir)) {
        FiltreGrd.hucreYaz(satir, sutun, QString());
        return;
    }
    // Every option ticked and stored: the row means all again. An open list
    // belongs to the current row (the cursor cannot leave while it is open).
    if (!secimAcik_) {
        SecimSatiri = satir;
        SecimIptal = false;
        Secenekleri_Listele(CoktanSecmeliGrd, FiltreGrd, satir);
    }
    for (int s = 0; s < CoktanSecmeliGrd.satirSayisi(); ++s) CoktanSecmeliGrd.hucreYaz(s, SecimSutun::Secim, QStringLiteral("True"));
    Secimi_Kaydet(CoktanSecmeliGrd, FiltreGrd, SecimSatiri);
    secimAcik_ = false;
}

void FiltreFormu::Islem_Tarihi_Bugun() {
    const QString bugun = Kisa_Tarih(QDate::currentDate());
    for (int s : satirlar(QStringLiteral("İşlem Tarihi"))) {
        FiltreGrd.hucreYaz(s, Sutun::Baslangic, bugun);
        FiltreGrd.hucreYaz(s, Sutun::Bitis, bugun);
    }
}

void FiltreFormu::duzenle(int satir, const QString& anahtar, const QString& metin) {
    const int sutun = FiltreGrd.sutunNo(anahtar);
    FiltreGrd.gecerliHucreAyarla(satir, sutun);
    FiltreGrd.hucreYaz(satir, sutun, metin);
    duzenlemeSonrasi(satir);
}

QStringList FiltreFormu::secenekler(int satir) const {
    IzgaraModeli liste;
    Secim_Listesi_Kur(liste);
    Secenekleri_Listele(liste, FiltreGrd, satir);
    QStringList l;
    for (int s = 0; s < liste.satirSayisi(); ++s) l << liste.hucre(s, SecimSutun::Tip);
    return l;
}

void FiltreFormu::secimiKaydet(int satir, const QStringList& secilenler) {
    // The list as if the user had ticked exactly these options, stored as the list stores.
    IzgaraModeli liste;
    Secim_Listesi_Kur(liste);
    Secenekleri_Listele(liste, FiltreGrd, satir);
    for (int s = 0; s < liste.satirSayisi(); ++s)
        liste.hucreYaz(s, SecimSutun::Secim,
                       secilenler.contains(liste.hucre(s, SecimSutun::Tip)) ? QStringLiteral("True") : QStringLiteral("False"));
    Secimi_Kaydet(liste, FiltreGrd, satir);
}

QList<int> FiltreFormu::satirlar(const QString& baslik) const {
    QList<int> l;
    for (int s = 1; s < FiltreGrd.satirSayisi(); ++s)
        if (FiltreGrd.hucre(s, Sutun::FiltreLbl) == baslik) l << s;
    return l;
}
