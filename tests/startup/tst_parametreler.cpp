#include "ortak/TestOrtami.h"
#include "startup/Baslangic.h"
#include "startup/KomutSatiri.h"
#include "startup/ProgramSonu.h"

#include <QtTest>

class TstParametreler : public QObject {
    Q_OBJECT
private slots:
    void ayristir_data() {
        QTest::addColumn<QString>("satir");
        QTest::addColumn<QStringList>("parametreler"); // from element 1 on
        QTest::addColumn<QString>("mesaj");            // empty: none
        satirEkle("bos satir giris penceresi", "", QStringList{"-1"}, "");
        satirEkle("bes parametre", "DEMO|SRV|1|sa|æ", QStringList{"DEMO", "SRV", "1", "sa", "æ"}, "");
        satirEkle("yalniz -1 eksik", "-1", QStringList{"-1"}, "Eksik Paremetre Kullanımı ");
        satirEkle("dort parametre", "A|B|1|D", QStringList{"A", "B", "1", "D"}, "Eksik Paremetre Kullanımı ");
        satirEkle("bosluklar korunur", " A |B|1|sa| gizli ", QStringList{" A ", "B", "1", "sa", " gizli "}, "");
        satirEkle("kullanici sayi degil", "A|B|x|D|E", QStringList{"A", "B", "x", "D", "E"},
                  "Hatalı Parametre Kullanımı: Kullanıcı Numarası Bir Tam Sayı Olmalıdır.");
    }
    void ayristir() {
        QFETCH(QString, satir);
        QFETCH(QStringList, parametreler);
        QFETCH(QString, mesaj);
        KayitliMesajlar kutular;
        bool bitti = false;
        try {
            const KomutParametreleri p = Parametreleri_Oku(satir);
            QCOMPARE(p.Parametreler.mid(1), parametreler);
            QCOMPARE(p.Parametreler.value(0), QString());
        } catch (const ProgramSonu& s) {
            bitti = true;
            QCOMPARE(s.durum, 1);
        }
        QCOMPARE(bitti, !mesaj.isEmpty());
        if (!mesaj.isEmpty()) {
            QCOMPARE(kutular.metinler(), QStringList{mesaj});
            QCOMPARE(kutular.kutular.first().simge, Simge::Kritik);
            QCOMPARE(kutular.kutular.first().baslik, QStringLiteral("Fatura Listesi"));
        } else {
            QVERIFY(kutular.kutular.isEmpty());
        }
    }

    // "æ" stands for the empty SQL password; anything else is the password.
    void bosSifre() {
        QCOMPARE(Parametreleri_Oku(QStringLiteral("D|S|1|u|æ")).giris.SqlSifre, QString());
        QCOMPARE(Parametreleri_Oku(QStringLiteral("D|S|1|u|ææ")).giris.SqlSifre, QStringLiteral("ææ"));
    }

    void komutSatiri_data() {
        sutunlar<QStringList, int, QString, bool>("argumanlar", "kip", "parametreler", "evet");
        using K = KomutSatiri::Kip;
        satirEkle("bos", QStringList{}, int(K::Klasik), "", false);
        satirEkle("klasik", QStringList{"DEMO|SRV|1|sa|æ"}, int(K::Klasik), "DEMO|SRV|1|sa|æ", false);
        satirEkle("klasik, bosluklu argumanlar birlesir", QStringList{"Anadolu", "A.S.|SRV|1|sa|x y"}, int(K::Klasik),
                  "Anadolu A.S.|SRV|1|sa|x y", false);
        satirEkle("toplu", QStringList{"--batch", "X|Y"}, int(K::Toplu), "X|Y", false);
        satirEkle("toplu evet", QStringList{"--batch", "A|B|1|C|D", "--yes"}, int(K::Toplu), "A|B|1|C|D", true);
        satirEkle("parametresiz batch", QStringList{"--batch"}, int(K::Hata), "", false);
        satirEkle("bilinmeyen secenek", QStringList{"--batch", "A", "--renk"}, int(K::Hata), "A", false);
        satirEkle("hem parametre hem kullanici", QStringList{"--batch", "A", "--user", "k"}, int(K::Hata), "", false);
        satirEkle("kullanicisiz firma", QStringList{"--batch", "A", "--company", "DEMO"}, int(K::Hata), "", false);
        satirEkle("bos kullanici", QStringList{"--batch", "--user", ""}, int(K::Hata), "", false);
        satirEkle("bos sablon adi", QStringList{"--batch", "A", "--template", ""}, int(K::Hata), "", false);
        satirEkle("dosyasiz pdf", QStringList{"--batch", "A", "--pdf"}, int(K::Hata), "A", false);
        satirEkle("bos pdf adi", QStringList{"--batch", "A", "--pdf", ""}, int(K::Hata), "A", false);
        satirEkle("pdf adi", QStringList{"--batch", "A", "--pdf", "r.pdf"}, int(K::Toplu), "A", false);
    }
    // --print takes a printer's name when one follows; none means the default printer.
    void yazdirSecenegi_data() {
        sutunlar<QStringList, QString, QString>("argumanlar", "yazici", "pdf");
        satirEkle("adsiz, secenekten once", QStringList{"--batch", "A", "--print", "--pdf", "r.pdf"}, "", "r.pdf");
        satirEkle("adiyla", QStringList{"--batch", "A", "--print", " Muhasebe 2 ", "--pdf", "r.pdf"}, "Muhasebe 2", "r.pdf");
    }
    void yazdirSecenegi() {
        QFETCH(QStringList, argumanlar);
        QFETCH(QString, yazici);
        QFETCH(QString, pdf);
        const KomutSatiri k = KomutSatiri::coz(argumanlar);
        QCOMPARE(int(k.kip), int(KomutSatiri::Kip::Toplu));
        QVERIFY(k.yazdir && k.ciktiVar());
        QCOMPARE(k.yazici, yazici);
        QCOMPARE(k.pdf, pdf);
    }
    void komutSatiri() {
        QFETCH(QStringList, argumanlar);
        QFETCH(int, kip);
        QFETCH(QString, parametreler);
        QFETCH(bool, evet);
        const KomutSatiri k = KomutSatiri::coz(argumanlar);
        QCOMPARE(int(k.kip), kip);
        if (k.kip != KomutSatiri::Kip::Hata) {
            QCOMPARE(k.parametreler, parametreler);
            QCOMPARE(k.evet, evet);
        } else {
            QVERIFY(!k.hata.isEmpty());
        }
    }
};

QTEST_MAIN(TstParametreler)
#include "tst_parametreler.moc"
