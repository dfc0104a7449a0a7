#include "report/AnaRapor.h"
#include "report/Bicimler.h"
#include "report/Duzen.h"
#include "report/SubSiparis.h"
#include "platform/sistem/Sistem.h"
#include "platform/veritabani/VeritabaniHatasi.h"
#include "startup/BolgeselAyar.h"
#include "startup/Degiskenler.h"
#include "startup/Subs.h"

#include <QCoreApplication>
#include <QLocale>
#include <limits>

using namespace Duzen;

namespace {
const QString kMoney = QStringLiteral("#,##0.00");
}

AnaRapor::AnaRapor() {
    belgeAdi = QStringLiteral("Cari Liste");
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
    (*this)["Tarih2"].gorunur = false;
    (*this)["Label15"].hiza = kSag;
    for (const char* k : {"firmaadi", "raporbaslik", "Label9", "Label10", "Label12", "Label13", "Label14", "Label41", "Label15"})
        (*this)[QString::fromLatin1(k)].kalin = true;
    (*this)["raporbaslik"].hiza = kOrta;

    GroupHeader1.tur = Bolum::Tur::GroupHeader1;
    GroupHeader1.yukseklik = 270;
    GroupHeader1.kontroller = {
        etiket("grup_adı_lbl", {}, 0, 0, 1695, 270),
        etiket("Label37", QStringLiteral(":"), 1680, 0, 180, 270),
        alan("grup_Adi_fld", "", 1830, 0, 4125, 270),
    };
    (*this)["grup_adı_lbl"].gorunur = false;
    (*this)["grup_Adi_fld"].gorunur = false;
    (*this)["grup_adı_lbl"].kalin = (*this)["grup_Adi_fld"].kalin = true;

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
    Detail.kontroller << alt << alan("txtFatura_ID", "Fatura_ID", 270, 0, 1440, 240);
    for (const char* k : {"Label42", "txtAciklama", "txtFatura_ID"}) (*this)[QString::fromLatin1(k)].gorunur = false;

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
    (*this)["saat"].gorunur = false;

    ReportFooter.yukseklik = 315;
    ReportFooter.kontroller = {
        cizgi("Line5", 0, 0, 10728, 0),
        etiket("report_listelenen", QStringLiteral("GENEL KAYIT SAYISI :"), 0, 30, 1547, 270),
        ozet("report_kayitsayisi", "Fatura_ID", Kontrol::OzetTuru::Sayi, Kontrol::Kapsam::Rapor, 1540, 30, 1125, 270),
        etiket("Label39", QStringLiteral("Genel Rapor Toplamı  :"), 7365, 30, 1620, 270),
        ozet("Field2", "Net_Tutar", Kontrol::OzetTuru::Toplam, Kontrol::Kapsam::Rapor, 8985, 30, 1755, 270, "#,##0.00"),
    };
    for (const char* k : {"grup_listelenen", "Label16", "Label38", "Label40", "report_listelenen", "Label39"})
        (*this)[QString::fromLatin1(k)].kalin = true;
}

QString AnaRapor::baslik() { return Buyuk_Harf(sistem().programAdi()); }

void AnaRapor::ActiveReport_ReportStart() {
    Degiskenler& d = degiskenler();
    // Each run starts from a cleared state, so a second run on screen does
    // not inherit the running totals of the first.
    VeriBitti = false;
    AraToplam = 0.0f;
    AraKayitSayisi = 0;
    bicim.ondalik = d.OndalikAyirac.isEmpty() ? QStringLiteral(",") : d.OndalikAyirac;
    bicim.binlik = d.BinlikAyirac.isEmpty() ? QStringLiteral(".") : d.BinlikAyirac;
    bicim.kisaTarih = Kisa_Tarih_Bicimi();

    baglantiCumlesi = d.BaglantiCumlesi;
    sql = d.RaporSQL;
    sistem().panoyaKoy(d.RaporSQL);
    pencereBasligi = baslik();
    (*this)["raporbaslik"].metin = pencereBasligi;
    Kontrol& cizgi = (*this)["Satir_Cizgi"];
    cizgi.gorunur = d.SatirCizgisiEkle;
    Kontrol& altRapor = (*this)["SubReport1"];
    if (!d.FaturaAciklamasiGoster) {
        Detail.yukseklik = 240;
        (*this)["Label42"].gorunur = false;
        (*this)["txtAciklama"].gorunur = false;
        cizgi.y1 = cizgi.y2 = 230;
        altRapor.ust = (*this)["txtAciklama"].ust;
    } else {
        (*this)["Label42"].gorunur = true;
        (*this)["txtAciklama"].gorunur = true;
        cizgi.y1 = cizgi.y2 = 515;
        altRapor.ust = 555;
        Detail.yukseklik = 630;
    }
    if (!d.GrupAlani.isEmpty()) {
        GroupHeader1.gorunur = GroupFooter1.gorunur = true;
        GroupHeader1.yeniSayfa = d.AyriSayfaya;
        GroupHeader1.grupAlani = d.GrupAlani;
        (*this)["grup_adı_lbl"].metin = Buyuk_Harf(d.GrupAdi);
        (*this)["grup_adı_lbl"].gorunur = true;
        (*this)["grup_Adi_fld"].veriAlani = d.GrupAlani;
        (*this)["grup_Adi_fld"].gorunur = true;
    } else {
        GroupHeader1.gorunur = GroupFooter1.gorunur = false;
        GroupHeader1.grupAlani.clear();
    }
    Bicimleri_Uygula({&Detail, &PageFooter, &PageHeader, &ReportFooter, &ReportHeader, &GroupFooter1, &GroupHeader1});
    (*this)["SubeAdi"].metin = d.SeciliIsyerleri;
    (*this)["Line3"].gorunur = !d.SeciliIsyerleri.isEmpty();
    if (!d.GrupAlani.isEmpty()) {
        ReportFooter.gorunur = d.GenelRaporToplami;
    } else {
        ReportFooter.gorunur = true;
        for (const char* k : {"report_listelenen", "report_kayitsayisi", "Label39", "Field2"})
            (*this)[QString::fromLatin1(k)].gorunur = d.GenelRaporToplami;
    }
    d.RaporCalisiyor = false;
}

void AnaRapor::ActiveReport_FetchData(bool veriBitti) {
    if (veriBitti) VeriBitti = true;
}

void AnaRapor::PageHeader_Format() {
    const QDateTime simdi = QDateTime::currentDateTime();
    (*this)["Sayfa"].metinAyarla(QString::number(sayfaNo()));
    (*this)["Tarih"].metin = QLocale(QLocale::Turkish, QLocale::Turkey).toString(simdi.date(), QStringLiteral("dd MMMM yyyy dddd"));
    (*this)["firmaadi"].metin = degiskenler().sysfrm_nm;
    (*this)["Tarih2"].metin = simdi.toString(bicim.kisaTarih + QStringLiteral(" HH:mm:ss"));
    (*this)["saat"].metin = simdi.time().toString(QStringLiteral("HH:mm:ss"));
}

void AnaRapor::sayfaAltligiGoster(bool goster) {
    for (const char* k : {"Field3", "Label40", "Line4", "kayitsayisis", "Label38"}) (*this)[QString::fromLatin1(k)].gorunur = goster;
}

void AnaRapor::Detail_Format() {
    Degiskenler& d = degiskenler();
    const Deger id = (*this)["txtFatura_ID"].deger;
    d.AktifFaturaID = id.bosMu() ? 0 : static_cast<qint32>(id.tamsayi());
    Kontrol& alt = (*this)["SubReport1"];
    if (d.DetayGoster) {
        alt.altRapor = std::make_shared<SubSiparis>();
        alt.gorunur = true;
    } else {
        alt.altRapor.reset();
        alt.gorunur = false;
    }
    sayfaAltligiGoster(true);
}

void AnaRapor::Detail_BeforePrint() {
    QCoreApplication::processEvents();
    const Deger tutar = (*this)["txtNet_Tutar"].deger;
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
    (*this)["kayitsayisis"].metinAyarla(QString::number(AraKayitSayisi));
    (*this)["Field3"].degerAyarla(Deger::ondaliktan(static_cast<double>(AraToplam)));
}

void AnaRapor::ActiveReport_ReportEnd() { degiskenler().RaporUretiliyor = false; }
