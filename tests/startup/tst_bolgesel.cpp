#include "ortak/TestOrtami.h"
#include "startup/BolgeselAyar.h"
#include "startup/ProgramSonu.h"
#include "startup/Kayit.h"

#include <QtTest>

namespace {
const QString kSoru = QStringLiteral("Programın Çalışabilmesi için Sistemin Ayarlanması Gerekiyor.\r"
                                     "Eğer Onaylarsanız Bu ayarlar Yapılacaktır.\rOnaylıyormusunuz ?");
QString oku(const char* ad) {
    return Kayit_Oku(Kok::HKEY_CURRENT_USER, QStringLiteral("Control Panel\\International"), QString::fromLatin1(ad));
}
// True when the check ended the program; `ayraclar` gets what it gave otherwise.
bool kontrolEt(Ayraclar* ayraclar = nullptr) {
    try {
        const Ayraclar a = Bolgesel_Ayar_Kontrol();
        if (ayraclar) *ayraclar = a;
    } catch (const ProgramSonu&) { return true; }
    return false;
}
} // namespace

class TstBolgesel : public QObject {
    Q_OBJECT
    std::unique_ptr<SahteSistem> sistem_;
    std::unique_ptr<KayitliMesajlar> kutular_;

private slots:
    void init() {
        sistem_ = std::make_unique<SahteSistem>();
        kutular_ = std::make_unique<KayitliMesajlar>();
    }

    void turkceAyarlarSormaz() {
        bolgeselAyarla();
        Ayraclar a;
        QVERIFY(!kontrolEt(&a));
        QVERIFY(kutular_->kutular.isEmpty());
        QCOMPARE(a.OndalikAyirac, QStringLiteral(","));
        QCOMPARE(a.BinlikAyirac, QStringLiteral("."));
    }

    void farkliAyarHayirProgramiBitirir_data() {
        QTest::addColumn<QStringList>("ayarlar"); // sDecimal, sThousand, sDate, sShortDate
        satirEkle("ondalik", QStringList{".", ".", ".", "dd.MM.yyyy"});
        satirEkle("basamak", QStringList{",", ",", ".", "dd.MM.yyyy"});
        satirEkle("tarih ayiraci", QStringList{",", ".", "/", "dd.MM.yyyy"});
        satirEkle("kisa tarih sifirsiz", QStringList{",", ".", ".", "d.MM.yyyy"});
        satirEkle("buyuk kucuk harf farki", QStringList{",", ".", ".", "DD.MM.YYYY"});
    }
    void farkliAyarHayirProgramiBitirir() {
        QFETCH(QStringList, ayarlar);
        bolgeselAyarla(ayarlar[0], ayarlar[1], ayarlar[2], ayarlar[3]);
        kutular_->cevaplar = {false};
        QVERIFY(kontrolEt());
        QCOMPARE(kutular_->metinler(), QStringList{kSoru});
        QCOMPARE(kutular_->kutular.first().simge, Simge::Soru);
        QCOMPARE(oku("sDecimal"), ayarlar[0]); // nothing was written
        QCOMPARE(oku("sShortDate"), ayarlar[3]);
    }

    void evetDordunuYazarVeDevamEder() {
        bolgeselAyarla(QStringLiteral(","), QStringLiteral("."), QStringLiteral("."), QStringLiteral("d.M.yyyy"));
        kutular_->cevaplar = {true};
        Ayraclar a;
        QVERIFY(!kontrolEt(&a));
        QCOMPARE(kutular_->metinler(), QStringList{kSoru});
        QCOMPARE(oku("sDecimal"), QStringLiteral(","));
        QCOMPARE(oku("sThousand"), QStringLiteral("."));
        QCOMPARE(oku("sDate"), QStringLiteral("."));
        QCOMPARE(oku("sShortDate"), QStringLiteral("dd.MM.yyyy"));
        QCOMPARE(a.OndalikAyirac, QStringLiteral(","));
        QVERIFY(!sistem_->yenidenBaslatildi);
        // A second check in the same run finds them in order.
        kutular_->kutular.clear();
        QVERIFY(!kontrolEt());
        QVERIFY(kutular_->kutular.isEmpty());
    }

    void eskiSistemYenidenBaslatir_data() {
        QTest::addColumn<int>("surum");
        satirEkle("4", 4);
        satirEkle("tuketici serisi (ust bit)", -2147483644);
    }
    void eskiSistemYenidenBaslatir() {
        QFETCH(int, surum);
        sistem_->surum = surum;
        bolgeselAyarla(QStringLiteral("."), QStringLiteral(","), QStringLiteral("/"), QStringLiteral("M/d/yyyy"));
        kutular_->cevaplar = {true};
        QVERIFY(kontrolEt());
        QCOMPARE(kutular_->metinler(),
                 (QStringList{kSoru, QStringLiteral("Sistem Ayarlanız Tamamlandı.Bilgisayarınızın Yeniden Başlatılması Gerekiyor")}));
        QCOMPARE(kutular_->kutular.at(1).simge, Simge::Bilgi);
        QVERIFY(sistem_->yenidenBaslatildi);
        QCOMPARE(oku("sShortDate"), QStringLiteral("dd.MM.yyyy"));
    }

    void kisaTarihKayitliBicimle_data() {
        sutunlar<QString, QString>("bicim", "beklenen");
        satirEkle("turkce", "dd.MM.yyyy", "05.02.2026");
        satirEkle("baska", "d/M/yyyy", "5/2/2026");
    }
    void kisaTarihKayitliBicimle() {
        QFETCH(QString, bicim);
        QFETCH(QString, beklenen);
        bolgeselAyarla(QStringLiteral(","), QStringLiteral("."), QStringLiteral("."), bicim);
        QCOMPARE(Kisa_Tarih(QDate(2026, 2, 5)), beklenen);
    }

    void uzunTarih_data() {
        QTest::addColumn<QString>("bicim"); // stored pattern; empty: none stored
        sutunlar<QDate, QString>("tarih", "beklenen");
        satirEkle("kayit yok: Turkce varsayilan", "", QDate(2026, 12, 5), "5 Aralık 2026 Cumartesi");
        satirEkle("kayitli bicim", "dd MMMM yyyy dddd", QDate(2026, 2, 5), "05 Şubat 2026 Perşembe");
        satirEkle("gun adi once", "dddd, d MMMM yyyy", QDate(2026, 8, 31), "Pazartesi, 31 Ağustos 2026");
    }
    void uzunTarih() {
        QFETCH(QString, bicim);
        QFETCH(QDate, tarih);
        QFETCH(QString, beklenen);
        Kayit_Yaz(Kok::HKEY_CURRENT_USER, QStringLiteral("Control Panel\\International"), QStringLiteral("sLongDate"), bicim);
        QCOMPARE(Uzun_Tarih(tarih), beklenen);
    }
};

QTEST_MAIN(TstBolgesel)
#include "tst_bolgesel.moc"
