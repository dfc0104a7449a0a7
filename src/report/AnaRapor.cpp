#include "report/AnaRapor.h"
#include "report/Bicimler.h"
#include "report/Duzen.h"
#include "report/SubSiparis.h"
#include "platform/veritabani/Baglanti.h"
#include "platform/sistem/Sistem.h"
#include "bant/VeritabaniHatasi.h"
#include "startup/BolgeselAyar.h"
#include "startup/Metin.h"

#include <QCoreApplication>
#include <QLocale>
#include <limits>

using namespace Bant;
using namespace Duzen;

// The controls the handlers set, resolved once when the report is built: a
// misspelt name fails there, not in a user's report.
struct AnaRapor::Kontroller {
    explicit Kontroller(RaporBelgesi& r)
        : firmaadi(&r.kontrol(QStringLiteral("firmaadi"))), raporbaslik(&r.kontrol(QStringLiteral("raporbaslik"))),
          SubeAdi(&r.kontrol(QStringLiteral("SubeAdi"))), Line3(&r.kontrol(QStringLiteral("Line3"))),
          Tarih(&r.kontrol(QStringLiteral("Tarih"))), Sayfa(&r.kontrol(QStringLiteral("Sayfa"))),
          Tarih2(&r.kontrol(QStringLiteral("Tarih2"))), grup_adi_lbl(&r.kontrol(QStringLiteral("grup_adı_lbl"))),
          grup_Adi_fld(&r.kontrol(QStringLiteral("grup_Adi_fld"))), txtNet_Tutar(&r.kontrol(QStringLiteral("txtNet_Tutar"))),
          Label42(&r.kontrol(QStringLiteral("Label42"))), txtAciklama(&r.kontrol(QStringLiteral("txtAciklama"))),
          Satir_Cizgi(&r.kontrol(QStringLiteral("Satir_Cizgi"))), SubReport1(&r.kontrol(QStringLiteral("SubReport1"))),
          txtFatura_ID(&r.kontrol(QStringLiteral("txtFatura_ID"))), Line4(&r.kontrol(QStringLiteral("Line4"))),
          Label38(&r.kontrol(QStringLiteral("Label38"))), kayitsayisis(&r.kontrol(QStringLiteral("kayitsayisis"))),
          Label40(&r.kontrol(QStringLiteral("Label40"))), Field3(&r.kontrol(QStringLiteral("Field3"))),
          saat(&r.kontrol(QStringLiteral("saat"))), report_listelenen(&r.kontrol(QStringLiteral("report_listelenen"))),
          report_kayitsayisi(&r.kontrol(QStringLiteral("report_kayitsayisi"))), Label39(&r.kontrol(QStringLiteral("Label39"))),
          Field2(&r.kontrol(QStringLiteral("Field2"))) {}

    Kontrol *firmaadi, *raporbaslik, *SubeAdi, *Line3, *Tarih, *Sayfa, *Tarih2;
    Kontrol *grup_adi_lbl, *grup_Adi_fld;
    Kontrol *txtNet_Tutar, *Label42, *txtAciklama, *Satir_Cizgi, *SubReport1, *txtFatura_ID;
    Kontrol *Line4, *Label38, *kayitsayisis, *Label40, *Field3, *saat;
    Kontrol *report_listelenen, *report_kayitsayisi, *Label39, *Field2;
};

AnaRapor::~AnaRapor() = default;

AnaRapor::AnaRapor(RaporGirdisi girdi) : girdi_(std::move(girdi)) {
    ReportHeader.yukseklik = 0;

    PageHeader.yukseklik = 1185;
    PageHeader.kontroller = {
        etiket("firmaadi", {}, 0, 0, 3600, 270),
        etiket("raporbaslik", QStringLiteral("FATURA LİSTESİ"), 0, 270, 10680, 270),
        etiket("SubeAdi", {}, 0, 255, 3600, 270),
        cizgi("Line3", 30, 240, 3600, 240),
        etiket("basliktarih", QStringLiteral("TARİH :"), 8160, 0, 630, 270),
        etiket("Tarih", {}, 8790, 0, 1980, 270),
        etiket("SayfaLbl", QStringLiteral("SAYFA :"), 8160, 270, 630, 270),
        alan("Sayfa", "", 8790, 270, 750, 270),
        etiket("Tarih2", {}, 7065, 0, 450, 90),
        etiket("Label9", QStringLiteral("TARİH"), 4, 850, 768, 284),
        etiket("Label10", QStringLiteral("FİŞ NO"), 765, 855, 909, 285),
        etiket("Label12", QStringLiteral("İŞLEM TİPİ"), 1665, 855, 1203, 285),
        etiket("Label13", QStringLiteral("CARİ KOD"), 2850, 855, 2070, 285),
        etiket("Label14", QStringLiteral("CARİ ÜNVAN"), 4905, 855, 3558, 285),
        etiket("Label41", QStringLiteral("VADE"), 8445, 855, 1065, 285),
        etiket("Label15", QStringLiteral("NET TUTAR"), 9495, 850, 1259, 284),
    };
    kontrol(QStringLiteral("Tarih2")).gorunur = false;
    kontrol(QStringLiteral("Label15")).hiza = kSag;
    for (const char* k : {"firmaadi", "raporbaslik", "Label9", "Label10", "Label12", "Label13", "Label14", "Label41", "Label15"})
        kontrol(QString::fromLatin1(k)).kalin = true;
    kontrol(QStringLiteral("raporbaslik")).hiza = kOrta;

    GroupHeader1.tur = Bolum::Tur::GroupHeader1;
    GroupHeader1.yukseklik = 270;
    GroupHeader1.kontroller = {
        etiket("grup_adı_lbl", {}, 0, 0, 1695, 270),
        etiket("Label37", QStringLiteral(":"), 1680, 0, 180, 270),
        alan("grup_Adi_fld", "", 1830, 0, 4125, 270),
    };
    kontrol(QStringLiteral("grup_adı_lbl")).gorunur = false;
    kontrol(QStringLiteral("grup_Adi_fld")).gorunur = false;
    kontrol(QStringLiteral("grup_adı_lbl")).kalin = kontrol(QStringLiteral("grup_Adi_fld")).kalin = true;

    Detail.yukseklik = 240;
    Detail.kontroller = {
        alan("txtTarih", "Tarih", 0, 0, 723, 240),
        alan("txtFis_No", "Fis_No", 765, 0, 855, 240),
        alan("txtIslem_Tipi", "Islem_Tipi", 1663, 0, 1142, 240),
        alan("txtCari_Kod", "Cari_Kod", 2850, 0, 1965, 240),
        alan("txtUnvan", "Unvan", 4860, 0, 3540, 240),
        alan("txtVade_Tarihi", "Vade_Tarihi", 8445, 0, 975, 240),
        alan("txtNet_Tutar", "Net_Tutar", 9495, 0, 1290, 240, "#,##0.00", kSag),
        etiket("Label42", QStringLiteral("AÇIKLAMA .:"), 0, 260, 1087, 240),
        alan("txtAciklama", "Aciklama", 1080, 260, 8685, 240),
        cizgi("Satir_Cizgi", 0, 515, 10728, 515),
    };
    Kontrol alt;
    alt.ad = QStringLiteral("SubReport1");
    alt.tur = Kontrol::Tur::AltRapor;
    alt.sol = 0, alt.ust = 555, alt.genislik = 10710, alt.yukseklik = 90;
    Detail.kontroller.push_back(alt);
    Detail.kontroller.push_back(alan("txtFatura_ID", "Fatura_ID", 270, 0, 1440, 240));
    for (const char* k : {"Label42", "txtAciklama", "txtFatura_ID"}) kontrol(QString::fromLatin1(k)).gorunur = false;

    GroupFooter1.tur = Bolum::Tur::GroupFooter1;
    GroupFooter1.yukseklik = 300;
    GroupFooter1.kontroller = {
        cizgi("Line1", 0, 0, 10728, 0),
        etiket("grup_listelenen", QStringLiteral("KAYIT SAYISI :"), 0, 30, 1000, 270),
        ozet("grup_katsayisi", "Fatura_ID", Kontrol::OzetTuru::Sayi, Kontrol::Kapsam::Grup, 1000, 30, 1125, 270),
        etiket("Label16", QStringLiteral("Toplam  :"), 7365, 30, 1620, 270),
        ozet("Field1", "Net_Tutar", Kontrol::OzetTuru::Toplam, Kontrol::Kapsam::Grup, 8985, 30, 1755, 270, "#,##0.00"),
    };

    PageFooter.yukseklik = 480;
    PageFooter.kontroller = {
        cizgi("Line4", 0, 0, 10728, 0),
        etiket("Label38", QStringLiteral("KAYIT SAYISI :"), 0, 30, 1000, 270),
        alan("kayitsayisis", "", 1000, 30, 1125, 270),
        etiket("Label40", QStringLiteral("Toplam  :"), 7365, 30, 1620, 270),
        alan("Field3", "", 8985, 30, 1755, 270, "#,##0.00", kSag),
        etiket("saat", {}, 6765, 30, 720, 270),
    };
    kontrol(QStringLiteral("saat")).gorunur = false;

    ReportFooter.yukseklik = 315;
    ReportFooter.kontroller = {
        cizgi("Line5", 0, 0, 10728, 0),
        etiket("report_listelenen", QStringLiteral("GENEL KAYIT SAYISI :"), 0, 30, 1547, 270),
        ozet("report_kayitsayisi", "Fatura_ID", Kontrol::OzetTuru::Sayi, Kontrol::Kapsam::Rapor, 1540, 30, 1125, 270),
        etiket("Label39", QStringLiteral("Genel Rapor Toplamı  :"), 7365, 30, 1620, 270),
        ozet("Field2", "Net_Tutar", Kontrol::OzetTuru::Toplam, Kontrol::Kapsam::Rapor, 8985, 30, 1755, 270, "#,##0.00"),
    };
    for (const char* k : {"grup_listelenen", "Label16", "Label38", "Label40", "report_listelenen", "Label39"})
        kontrol(QString::fromLatin1(k)).kalin = true;
    k_ = std::make_unique<Kontroller>(*this);
}

Bant::DegerBicimi AnaRapor::degerBicimi(const Ayraclar& d) {
    DegerBicimi b;
    b.ondalik = d.OndalikAyirac.isEmpty() ? QStringLiteral(",") : d.OndalikAyirac;
    b.binlik = d.BinlikAyirac.isEmpty() ? QStringLiteral(".") : d.BinlikAyirac;
    b.kisaTarih = Kisa_Tarih_Bicimi();
    return b;
}

QString AnaRapor::baslik() { return Buyuk_Harf(sistem().programAdi()); }

void AnaRapor::ActiveReport_ReportStart() {
    const RaporGirdisi& d = girdi_;
    // Each run starts from a cleared state, so a second run on screen does
    // not inherit the running totals of the first.
    VeriBitti = false;
    AraToplam = 0.0f;
    AraKayitSayisi = 0;
    bicim = degerBicimi(d.ayraclar);
    uzunTarihBicimi_ = Uzun_Tarih_Bicimi();

    // The report reads on a connection of its own, shared with its invoice lines.
    baglanti_ = d.baglanti->ikinci();
    veri = [this, sql = d.RaporSQL] { return baglanti_->sorgula(sql); };
    sistem().panoyaKoy(d.RaporSQL);
    k_->raporbaslik->metin = baslik();
    Kontrol& cizgi = *k_->Satir_Cizgi;
    cizgi.gorunur = d.SatirCizgisiEkle;
    Kontrol& altRapor = *k_->SubReport1;
    if (!d.FaturaAciklamasiGoster) {
        Detail.yukseklik = 240;
        k_->Label42->gorunur = false;
        k_->txtAciklama->gorunur = false;
        cizgi.y1 = cizgi.y2 = 230;
        altRapor.ust = k_->txtAciklama->ust;
    } else {
        k_->Label42->gorunur = true;
        k_->txtAciklama->gorunur = true;
        // The line under the description separates the invoices: it prints
        // whatever the row-line option says.
        cizgi.gorunur = true;
        cizgi.y1 = cizgi.y2 = 515;
        altRapor.ust = 555;
        Detail.yukseklik = 630;
    }
    if (!d.GrupAlani.isEmpty()) {
        GroupHeader1.gorunur = GroupFooter1.gorunur = true;
        GroupHeader1.yeniSayfa = d.AyriSayfaya;
        GroupHeader1.grupAlani = d.GrupAlani;
        k_->grup_adi_lbl->metin = Buyuk_Harf(d.GrupAdi);
        k_->grup_adi_lbl->gorunur = true;
        k_->grup_Adi_fld->veriAlani = d.GrupAlani;
        k_->grup_Adi_fld->gorunur = true;
    } else {
        GroupHeader1.gorunur = GroupFooter1.gorunur = false;
        GroupHeader1.grupAlani.clear();
    }
    Bicimleri_Uygula(d.firma, {&Detail, &PageFooter, &PageHeader, &ReportFooter, &ReportHeader, &GroupFooter1, &GroupHeader1});
    k_->SubeAdi->metin = d.SeciliIsyerleri;
    k_->Line3->gorunur = !d.SeciliIsyerleri.isEmpty();
    if (!d.GrupAlani.isEmpty()) {
        ReportFooter.gorunur = d.GenelRaporToplami;
    } else {
        ReportFooter.gorunur = true;
        for (Kontrol* k : {k_->report_listelenen, k_->report_kayitsayisi, k_->Label39, k_->Field2}) k->gorunur = d.GenelRaporToplami;
    }
}

void AnaRapor::ActiveReport_FetchData(bool veriBitti) {
    if (veriBitti) VeriBitti = true;
}

void AnaRapor::PageHeader_Format() {
    const QDateTime simdi = QDateTime::currentDateTime();
    k_->Sayfa->metinAyarla(QString::number(sayfaNo()));
    k_->Tarih->metin = Uzun_Tarih(simdi.date(), uzunTarihBicimi_);
    k_->firmaadi->metin = girdi_.firma.sysfrm_nm;
    k_->Tarih2->metin = simdi.toString(bicim.kisaTarih + QStringLiteral(" HH:mm:ss"));
    k_->saat->metin = simdi.time().toString(QStringLiteral("HH:mm:ss"));
}

void AnaRapor::sayfaAltligiGoster(bool goster) {
    for (Kontrol* k : {k_->Field3, k_->Label40, k_->Line4, k_->kayitsayisis, k_->Label38}) k->gorunur = goster;
}

void AnaRapor::Detail_Format() {
    const Deger id = k_->txtFatura_ID->deger;
    const qint32 faturaId = id.bosMu() ? 0 : static_cast<qint32>(id.tamsayi());
    Kontrol& alt = *k_->SubReport1;
    if (girdi_.DetayGoster) {
        alt.altRapor = std::make_shared<SubSiparis>(baglanti_, faturaId, girdi_.ayraclar, girdi_.firma);
        alt.gorunur = true;
    } else {
        alt.altRapor.reset();
        alt.gorunur = false;
    }
    sayfaAltligiGoster(true);
}

void AnaRapor::Detail_BeforePrint() {
    // The windows repaint and Escape reaches the wait panel a few times a
    // second; a call per row cost a system call per row.
    if (!pompa_.isValid() || pompa_.hasExpired(kPompaAraligiMs)) {
        QCoreApplication::processEvents();
        pompa_.start();
    }
    const Deger tutar = k_->txtNet_Tutar->deger;
    // The running total is kept in single precision, as the page footer always showed it.
    if (!tutar.bosMu()) AraToplam = static_cast<float>(static_cast<double>(AraToplam) + tutar.ondalik());
    if (AraKayitSayisi == std::numeric_limits<qint32>::max()) throw VeritabaniHatasi(6, QStringLiteral("Overflow"));
    ++AraKayitSayisi;
}

void AnaRapor::GroupFooter1_Format() {
    sayfaAltligiGoster(false);
    AraKayitSayisi = 0;
    AraToplam = 0.0f;
}

void AnaRapor::PageFooter_Format() {
    if (VeriBitti) sayfaAltligiGoster(false);
    k_->kayitsayisis->metinAyarla(QString::number(AraKayitSayisi));
    k_->Field3->degerAyarla(Deger::ondaliktan(static_cast<double>(AraToplam)));
}
