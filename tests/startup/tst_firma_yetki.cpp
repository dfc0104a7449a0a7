#include "ortak/TestOrtami.h"
#include "bant/VeritabaniHatasi.h"
#include "startup/FirmaAyarlari.h"
#include "startup/ProgramSonu.h"
#include "startup/Veritabani.h"
#include "startup/Yetkiler.h"

#include <QtTest>

namespace {
const QString kFirmaHatasi =
    QStringLiteral("Karmena Tanımlam Veritabanıyla İlgili Bir Hata Tespit Etti. Sistem Bu Haliye Çalışmaz.Bunun İçin Özür Dileriz. "
                   "Lütfen Program Satıcınızla Görüşünüz.");
} // namespace

class TstFirmaYetki : public QObject {
    Q_OBJECT

    std::unique_ptr<GeciciSunucu> sunucu_;
    std::unique_ptr<SahteSistem> sistem_;
    std::unique_ptr<KayitliMesajlar> kutular_;

    std::shared_ptr<Baglanti> baglanti_;
    QString veritabani_;
    int kullanici_ = 1;
    FirmaBilgisi firma_;

    void baglan(int kullanici = 1) {
        veritabani_ = QStringLiteral("DEMOFIRMA");
        kullanici_ = kullanici;
        firma_ = {};
        baglanti_ = Baglan(QStringLiteral("sa"), QString(), veritabani_, sunucu_->klasor());
    }
    Yetkiler yetkileriOku() { return Yetkileri_Oku(*baglanti_, firma_, kullanici_); }
    void tanim(const QString& sql) { sunucu_->calistir(QStringLiteral("Defination_DB"), sql); }
    void firma(const QString& sql) { sunucu_->calistir(QStringLiteral("DEMOFIRMA"), sql); }
    // Runs the company read and tells whether it ended the program.
    bool firmaOku() {
        try {
            firma_ = Firma_Ayarlarini_Oku(*baglanti_, veritabani_);
        } catch (const ProgramSonu& s) { return s.durum == 1; }
        return false;
    }

private slots:
    void init() {
        sunucu_ = std::make_unique<GeciciSunucu>();
        sistem_ = std::make_unique<SahteSistem>();
        kutular_ = std::make_unique<KayitliMesajlar>();
    }
    void cleanup() {
        kutular_.reset();
        sistem_.reset();
        sunucu_.reset();
    }

    void bosDegerlerinVarsayilanlari_data() {
        QTest::addColumn<QString>("deger");
        satirEkle("NULL", "NULL");
    }
    void bosDegerlerinVarsayilanlari() {
        QFETCH(QString, deger);
        tanim(QStringLiteral("UPDATE sysfrmlng SET DefKDV=%1, KasaHareketListeTipi=%1, KrediLimiti=NULL, "
                             "AnaParaVirgul=0, KurVirgul=1")
                  .arg(deger));
        baglan();
        QVERIFY(!firmaOku()); // settings left empty have their defaults, not an error
        const FirmaBilgisi& d = firma_;
        QCOMPARE(d.AnaParaFormat, QStringLiteral("#,##0"));
        QCOMPARE(d.KurFormat, QStringLiteral("#,##0.0"));
    }

    // A required setting left NULL, or no row for the company (a quote in its
    // name cannot end the literal: the statement runs and finds none), ends
    // the program with the same message, the fault in its title.
    void firmaHatasiProgramiBitirir_data() {
        sutunlar<QString, QString, QString>("hazirlik", "veritabani", "baslik");
        satirEkle("zorunlu deger null", "UPDATE sysfrmlng SET PosVar=NULL", "DEMOFIRMA", "Karmena:Invalid use of Null");
        satirEkle("tirnak iceren ad", "", "X' OR '1'='1", QStringLiteral("Karmena:") + HataMetni::kayitYok());
    }
    void firmaHatasiProgramiBitirir() {
        QFETCH(QString, hazirlik);
        QFETCH(QString, veritabani);
        QFETCH(QString, baslik);
        if (!hazirlik.isEmpty()) tanim(hazirlik);
        baglan();
        veritabani_ = veritabani;
        QVERIFY(firmaOku());
        QCOMPARE(kutular_->metinler(), QStringList{kFirmaHatasi});
        QCOMPARE(kutular_->kutular.first().simge, Simge::Bilgi);
        QCOMPARE(kutular_->kutular.first().baslik, baslik);
    }

    void yetkiler_data() {
        QTest::addColumn<int>("kullanici");
        QTest::addColumn<QString>("hazirlik"); // SQL on the company database first, on the definitions after "tanim:"
        sutunlar<bool, QString, QString>("yetki", "isyerleri", "ambarlar");
        satirEkle("yonetici kisitlanmaz", 1, "INSERT INTO KULLANICIISYERI VALUES (1,'02')", true, "", "");
        satirEkle("kisitli kullanici, bosluk kirpilir", 2, "", true, "IN('01','03')", "IN('1','4')");
        satirEkle("yetkisiz", 3, "", false, "", "");
        satirEkle("satiri olmayan kisitsiz", 3, "INSERT INTO KULLANICIAMBAR VALUES (3,'2')", false, "", "IN('2')");
        satirEkle("tirnakli kod", 2, "DELETE FROM KULLANICIAMBAR; INSERT INTO KULLANICIAMBAR VALUES (2,'A''1')", true, "IN('01','03')",
                  "IN('A''1')");
        satirEkle("isyeri kisitlamasi kapali", 2, "tanim:UPDATE sysfrmlng SET IsyeriYetkiyeBagli=0", true, "", "IN('1','4')");
        satirEkle("null yetki yetkisiz", 2, "tanim:UPDATE Kullanici SET BR=NULL WHERE Kullanici_ID=2", false, "IN('01','03')",
                  "IN('1','4')");
    }
    void yetkiler() {
        QFETCH(int, kullanici);
        QFETCH(QString, hazirlik);
        QFETCH(bool, yetki);
        QFETCH(QString, isyerleri);
        QFETCH(QString, ambarlar);
        if (hazirlik.startsWith(QStringLiteral("tanim:")))
            tanim(hazirlik.mid(6));
        else if (!hazirlik.isEmpty())
            firma(hazirlik);
        baglan(kullanici);
        QVERIFY(!firmaOku());
        const Yetkiler y = yetkileriOku();
        QCOMPARE(y.RaporYetkisi, yetki);
        QCOMPARE(y.kisitlar.IsyeriListesi, isyerleri);
        QCOMPARE(y.kisitlar.AmbarListesi, ambarlar);
    }
};

QTEST_MAIN(TstFirmaYetki)
#include "tst_firma_yetki.moc"
