#include "filterform/FiltreIzgarasi.h"
#include "filterform/Secenekler.h"
#include "ortak/TestOrtami.h"
#include "platform/izgara/IzgaraModeli.h"
#include "startup/BolgeselAyar.h"
#include "startup/Veritabani.h"

#include <QtTest>

class TstSecenekler : public QObject {
    Q_OBJECT

    std::unique_ptr<GeciciSunucu> sunucu_;
    std::unique_ptr<KayitliMesajlar> kutular_;
    std::unique_ptr<SahteSistem> sistem_;

    void firma(const QString& sql) { sunucu_->calistir(QStringLiteral("DEMOFIRMA"), sql); }

    ListeOrtami o_;

private slots:
    void init() {
        sunucu_ = std::make_unique<GeciciSunucu>();
        kutular_ = std::make_unique<KayitliMesajlar>();
        sistem_ = std::make_unique<SahteSistem>();
        bolgeselAyarla();
        o_ = Liste_Ortami(*demoOturumu(*sunucu_));
    }

    // The lists as the company's records give them: only an empty result
    // gives no separator; records with nothing in them still open the list.
    void listeler_data() {
        QTest::addColumn<QString>("hazirlik"); // statements run on the company first
        sutunlar<QString, QString>("baslik", "beklenen");
        const QString cariler = QStringLiteral("DELETE FROM CARIKART; INSERT INTO CARIKART (Cari_ID,Cari_Kod,Grup_Kod) VALUES "
                                               "(1,'C1','A'),(2,'C2  ','B'),(3,'C1',NULL),(4,'  C0',''),(5,NULL,'B')");
        satirEkle("kirpilir, tekrarsiz, sirali", cariler, "Cari Kodu", "|C0|C1|C2|");
        satirEkle("hepsi ile, bos ve null atlanir", cariler, "Cari Grup Kodu", "Hepsi|A|B|");
        satirEkle("bos sonuc", "DELETE FROM CARIKART", "Cari Kodu", "");
        satirEkle("hep bos kayitlar", "UPDATE CARIKART SET Cari_Kod=''", "Cari Kodu", "|");
        satirEkle("cift: hep bos kayitlar", "UPDATE SATICI SET Satici_Kodu=''", "Satıcı Kodu", "Hepsi,");
        satirEkle("cift: null es deger", "UPDATE SATICI SET Satici_Adi=NULL WHERE Satici_ID=1; DELETE FROM SATICI WHERE Satici_ID>2",
                  "Satıcı Kodu", "Hepsi,S01  /  ,S02  /  Ayşe Kaya,");
    }
    void listeler() {
        QFETCH(QString, hazirlik);
        QFETCH(QString, baslik);
        QFETCH(QString, beklenen);
        firma(hazirlik);
        const bool cift = baslik.startsWith(QStringLiteral("Satıcı"));
        QCOMPARE(cift ? CiftDeger_Listesi_Al(o_, baslik) : Deger_Listesi_Al(o_, baslik).value(), beklenen);
    }

    // Code and name lists; a restricted user sees only the workplaces and warehouses allowed.
    void ikiSutunluListeler() {
        QVERIFY(CiftDeger_Listesi_Al(o_, QStringLiteral("Satıcı Kodu"))
                    .startsWith(QStringLiteral("Hepsi,S01  /  Ahmet Yılmaz,S02  /  Ayşe Kaya,")));
        o_.kisitlar = {QStringLiteral("IN('01','03')"), QStringLiteral("IN('1','4')")};
        QCOMPARE(CiftDeger_Listesi_Al(o_, QStringLiteral("İşyeri Kodu")),
                 QStringLiteral("Hepsi,01  /  Merkez İşyeri - İstanbul,03  /  İzmir Şubesi,"));
        QCOMPARE(CiftDeger_Listesi_Al(o_, QStringLiteral("Ambar No")), QStringLiteral("Hepsi,1  /  Merkez Depo,4  /  İzmir Depo,"));
        QCOMPARE(CiftDeger_Listesi_Al(o_, QStringLiteral("İşyeri Adı")),
                 QStringLiteral("Hepsi,Merkez İşyeri - İstanbul  /  01,İzmir Şubesi  /  03,"));
    }

    void doldurma() {
        IzgaraModeli grid;
        filtreSatirlari(grid, {QStringLiteral("Doviz Kod;Hepsi;;;DOVIZTANIM.Doviz_Kod;Hepsi|ESKI;TK;True;;;"),
                               QStringLiteral("Kasa Kodu;Hepsi;;;KASAKART.Kasa_Kod;Hepsi|K99;TK;True;;;"),
                               QStringLiteral("Ambar No;Hepsi;;;FATURAKART.Ambar_No;;CS;True;Hepsi;;"),
                               QStringLiteral("Kendi Listem;x;;;;a|b;TK;True;;;"), QStringLiteral("Raporlama Tarihi;;;;;;;False;;;"),
                               QStringLiteral("Cari Grup Kodu;Hepsi;;;CARIKART.Grup_Kod;Hepsi|ESKI;TK;True;;;"),
                               QStringLiteral("Fatura Özel Kod;Hepsi;;;FATURAKART.O_Kod;Hepsi;TK;True;;;"),
                               QStringLiteral("Satır Tipi;Hepsi;;;FATURAHAREKET.Satir_Tipi;Hepsi;TK;True;;;")});
        firma(QStringLiteral("DROP TABLE KASAKART; DROP TABLE FATURAKART"));
        const Doldurulanlar d = Secenekleri_Doldur(o_, grid, [](int, int) {});
        QCOMPARE(grid.hucre(1, Sutun::Secenek), QStringLiteral("Hepsi|TL|USD|EUR|GBP|"));
        // Failed look-ups were reported with their lists' queries and left the template's lists,
        // a list read on first use as much as one read now.
        QCOMPARE(grid.hucre(2, Sutun::Secenek), QStringLiteral("Hepsi|K99"));
        QCOMPARE(kutular_->kutular.size(), 4);
        QCOMPARE(kutular_->kutular.at(1).metin, Secenek_Sorgusu(o_, QStringLiteral("Kasa Kodu")));
        QCOMPARE(kutular_->kutular.at(3).metin, Secenek_Sorgusu(o_, QStringLiteral("Fatura Özel Kod")));
        QCOMPARE(grid.hucre(3, Sutun::CoktanSecmeSecenek),
                 QStringLiteral("Hepsi,1  /  Merkez Depo,2  /  Hammadde Deposu,3  /  Ankara Depo,4  /  İzmir Depo,"));
        QCOMPARE(grid.hucre(4, Sutun::Secenek), QStringLiteral("a|b"));
        QCOMPARE(grid.hucre(5, Sutun::Baslangic), Kisa_Tarih(QDate::currentDate()));
        QCOMPARE(grid.hucre(6, Sutun::Secenek), QStringLiteral("Hepsi|ESKI"));
        QCOMPARE(d.ilkKullanimda, QList<int>{6});
        QCOMPARE(grid.hucre(8, Sutun::Secenek), QStringLiteral("Hepsi|Mal|Hizmet|Masraf|İndirim|"));
    }

    // A list longer than a drop-down may hold is not read whole; it offers
    // the values that start with a text, and answers for one value.
    void uzunListe_data() {
        sutunlar<int, bool>("cariler", "uzun");
        satirEkle("sinirda", kEnCokSecenek, false);
        satirEkle("sinirin bir fazlasi", kEnCokSecenek + 1, true);
    }
    void uzunListe() {
        QFETCH(int, cariler);
        QFETCH(bool, uzun);
        firma(QStringLiteral("DELETE FROM CARIKART; WITH RECURSIVE n(i) AS (SELECT 3 UNION ALL SELECT i+1 FROM n WHERE i<%1)"
                             " INSERT INTO CARIKART (Cari_ID, Cari_Kod, Grup_Kod) SELECT i, printf('K%05d', i), 'G' FROM n;"
                             " INSERT INTO CARIKART (Cari_ID, Cari_Kod, Grup_Kod) VALUES (1, 'A%B', 'Ç''1'), (2, 'AXB', 'ç''2')")
                  .arg(cariler));
        const std::optional<QString> liste = Deger_Listesi_Al(o_, QStringLiteral("Cari Kodu"));
        QCOMPARE(!liste.has_value(), uzun);
        if (liste) QCOMPARE(liste->count(u'|'), cariler + 1);
        QCOMPARE(Baslayan_Degerler(o_, QStringLiteral("Cari Kodu"), QStringLiteral("K0001")).size(), 10);
        QCOMPARE(Baslayan_Degerler(o_, QStringLiteral("Cari Kodu"), QStringLiteral("K")).size(), kOnEkSiniri);
        QCOMPARE(Baslayan_Degerler(o_, QStringLiteral("Cari Kodu"), QStringLiteral("A%")), QStringList{QStringLiteral("A%B")});
        QCOMPARE(Baslayan_Degerler(o_, QStringLiteral("Cari Grup Kodu"), QStringLiteral("Ç'")), QStringList{QStringLiteral("Ç'1")});
        QVERIFY(Listede_Var(o_, QStringLiteral("Cari Grup Kodu"), QStringLiteral("ç'2")));
        QVERIFY(!Listede_Var(o_, QStringLiteral("Cari Grup Kodu"), QStringLiteral("ç'")));
        QVERIFY(kutular_->kutular.isEmpty());
    }
};

QTEST_MAIN(TstSecenekler)
#include "tst_secenekler.moc"
