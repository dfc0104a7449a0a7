#include "report/SubSiparis.h"
#include "report/Bicimler.h"
#include "report/Duzen.h"
#include "startup/BolgeselAyar.h"
#include "platform/veritabani/Baglanti.h"

using namespace Bant;
using namespace Duzen;

namespace {
const QColor kAcikGri(0xE4, 0xE4, 0xE4);
}

SubSiparis::SubSiparis(std::shared_ptr<Baglanti> baglanti, qint32 faturaId, Ayraclar ayraclar, FirmaBilgisi firma)
    : baglanti_(std::move(baglanti)), faturaId_(faturaId), ayraclar_(std::move(ayraclar)), firma_(std::move(firma)) {
    for (Bolum* b : {&ReportHeader, &PageHeader, &PageFooter, &ReportFooter}) {
        b->gorunur = false;
        b->yukseklik = 0;
    }
    GroupHeader1.yukseklik = 300;
    const struct {
        const char* ad;
        const char* metin;
        int sol, genislik;
    } basliklar[] = {{"Label13", "Satır Tipi", 180, 810}, {"Label1", "Stok Kod", 969, 1002},   {"Label2", "Stok Adı", 1967, 2469},
                     {"Label3", "Birirm", 4436, 718},     {"Label4", "Miktar", 5139, 837},     {"Label5", "Birim Fiyat", 5972, 874},
                     {"Label10", "ISK Tutar", 6827, 814}, {"Label11", "KDV Tutar", 7637, 888}, {"Label6", "Tutar", 8495, 983},
                     {"Label12", "Net Tutar", 9465, 1058}};
    for (const auto& b : basliklar) {
        Kontrol k = etiket(b.ad, QString::fromUtf8(b.metin), b.sol, 0, b.genislik, 270);
        k.arkaPlan = kAcikGri;
        GroupHeader1.kontroller.push_back(k);
    }
    for (const char* ad : {"Label4", "Label5", "Label10", "Label11", "Label6", "Label12"}) kontrol(QString::fromLatin1(ad)).hiza = kSag;
    kontrol(QStringLiteral("Label3")).hiza = kOrta;

    Detail.yukseklik = 270;
    Detail.kontroller = {
        etiket("Label9", QStringLiteral("*"), 0, 45, 180, 180),
        alan("txtSatir_Tipi", "Satir_Tipi", 180, 0, 746, 270),
        alan("txtStok_Kod", "Stok_Kod", 969, 0, 928, 270),
        alan("txtStok_Ad", "Stok_Ad", 1967, 0, 2433, 270),
        alan("txtBirim", "Birim", 4436, 0, 662, 270, "", kOrta),
        alan("txtMiktar", "Miktar", 5139, 0, 837, 270, "#,##0.###", kSag),
        alan("txtBirim_Fiyat", "Birim_Fiyat", 6029, 0, 817, 270, "#,##0.000", kSag),
        alan("txtISK_Tutar", "ISK_Tutar", 6903, 0, 738, 270, "#,##0.00", kSag),
        alan("txtKDV_Tutar", "KDV_Tutar", 7731, 0, 794, 270, "#,##0.00", kSag),
        alan("txtTutar", "Tutar", 8552, 0, 926, 270, "#,##0.00", kSag),
        alan("txtNet_Tutar", "Net_Tutar", 9540, 0, 990, 270, "#,##0.00", kSag),
    };
    GroupFooter1.yukseklik = 120;
    GroupFooter1.kontroller = {cizgi("Line2", 0, 0, 10486, 0)};
    txtMiktar_ = &kontrol(QStringLiteral("txtMiktar"));
}

QString SubSiparis::sorgu(qint32 faturaId) {
    return QStringLiteral(
               "SELECT FATURAHAREKET.Satir_Tipi, STOKHIZMETMASRAFINDIRIMLISTESI.Stok_Kod, STOKHIZMETMASRAFINDIRIMLISTESI.Stok_Ad, "
               "FATURAHAREKET.Tarih, FATURAHAREKET.Miktar, FATURAHAREKET.Birim_Fiyat, (case when FATURAKART.KDV_Dahil=0 THEN "
               "(convert(money,FATURAHAREKET.Tutar)) ELSE (convert(money,FATURAHAREKET.Tutar/(1+FATURAHAREKET.KDV/100))) END) as "
               "Tutar, ((case when FATURAKART.KDV_Dahil=0 THEN (convert(money,FATURAHAREKET.Tutar)) ELSE "
               "(convert(money,FATURAHAREKET.Tutar/(1+FATURAHAREKET.KDV/100))) END)-FATURAHAREKET.ISK_Tutar)+ "
               "FATURAHAREKET.KDV_Tutar Net_Tutar, FATURAHAREKET.ISK_Tutar, FATURAHAREKET.KDV_Tutar, FATURAHAREKET.Birim FROM "
               "FATURAHAREKET  LEFT JOIN STOKHIZMETMASRAFINDIRIMLISTESI ON(STOKHIZMETMASRAFINDIRIMLISTESI.Stok_ID=FATURAHAREKET.Stok_ID "
               "AND STOKHIZMETMASRAFINDIRIMLISTESI.Satir_Tipi=FATURAHAREKET.Satir_Tipi) LEFT JOIN FATURAKART  "
               "ON(FATURAHAREKET.Fatura_ID=FATURAKART.Fatura_ID) where FATURAHAREKET.Fatura_ID=") +
           QString::number(faturaId);
}

void SubSiparis::ActiveReport_ReportStart() {
    const Ayraclar& d = ayraclar_;
    bicim.ondalik = d.OndalikAyirac.isEmpty() ? QStringLiteral(",") : d.OndalikAyirac;
    bicim.binlik = d.BinlikAyirac.isEmpty() ? QStringLiteral(".") : d.BinlikAyirac;
    bicim.kisaTarih = Kisa_Tarih_Bicimi();
    veri = [this, sql = sorgu(faturaId_)] { return baglanti_->sorgula(sql); };
    Bicimleri_Uygula(firma_, {&Detail, &GroupFooter1, &GroupHeader1});
}

void SubSiparis::Detail_Format() {
    Kontrol& miktar = *txtMiktar_;
    Virgul_Temizle(bicim.metin(miktar.deger, miktar.cikisBicimi), miktar, bicim.ondalik);
}

void Virgul_Temizle(const QString& metin, Kontrol& alan, const QString& ondalik) {
    if (metin.isEmpty()) return;
    const qsizetype virgul = metin.indexOf(ondalik);
    alan.metinAyarla(virgul >= 0 && virgul == metin.size() - ondalik.size() ? metin.left(virgul) : metin);
}
