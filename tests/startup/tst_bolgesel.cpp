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

    void farkliAyarHayirProgramiBitirir_data() {
        QTest::addColumn<QStringList>("ayarlar"); // sDecimal, sThousand, sDate, sShortDate
        satirEkle("ondalik", QStringList{".", ".", ".", "dd.MM.yyyy"});
        satirEkle("kisa tarih sifirsiz", QStringList{",", ".", ".", "d.MM.yyyy"});
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
    }
};

QTEST_MAIN(TstBolgesel)
#include "tst_bolgesel.moc"
