#include "platform/veritabani/TsqlCevirici.h"
#include "bant/VeritabaniHatasi.h"

#include "TestYardimi.h"

#include <QtTest>

class TstTsqlCevirici : public QObject {
    Q_OBJECT
private slots:
    void cevir_data() {
        sutunlar<QString, QString>("tsql", "sqlite");
        satirEkle("koseli dbo", "SELECT a FROM [dbo].[CARIKART]", "SELECT a FROM [CARIKART]");
        satirEkle("cift nokta", "SELECT a FROM Defination_DB..Kullanici", "SELECT a FROM Defination_DB.Kullanici");
        satirEkle("dort parcali sutun", "SELECT Defination_DB.dbo.Kullanici.BR FROM Defination_DB.dbo.Kullanici",
                  "SELECT Defination_DB.Kullanici.BR FROM Defination_DB.Kullanici");
        satirEkle("ilk n satir", "SELECT DISTINCT TOP 10001 Belge_No as Deger FROM FATURAKART WHERE Belge_No LIKE N'A1%' ORDER BY Belge_No",
                  "SELECT DISTINCT Belge_No as Deger FROM FATURAKART WHERE Belge_No LIKE 'A1%' ORDER BY Belge_No LIMIT 10001");
        satirEkle("alt sorgudaki top kalir", "SELECT a FROM (SELECT TOP 1 a FROM t) x", "SELECT a FROM (SELECT TOP 1 a FROM t) x");
        satirEkle("dbo adli sutun kalir", "SELECT t.dbo FROM t", "SELECT t.dbo FROM t");
        satirEkle("is null dokunulmaz", "WHERE a IS NULL", "WHERE a IS NULL");
        satirEkle("convert icinde isnull", "CONVERT(int, ISNULL(a,1))", "CAST((IFNULL(a,1)) AS INTEGER)");
        satirEkle("convert varchar", "convert(varchar(20), x)", "(tsql_metin(x) COLLATE RTRIM)");
        satirEkle("rtrim", "SELECT DISTINCT RTRIM(Sehir) as Deger FROM CARIKART ORDER BY RTRIM(Sehir)",
                  "SELECT DISTINCT RTRIM(tsql_metin(Sehir)) COLLATE RTRIM as Deger FROM CARIKART "
                  "ORDER BY RTRIM(tsql_metin(Sehir)) COLLATE RTRIM");
        satirEkle("ltrim icinde convert", "LTRIM(convert(varchar(9), KDV))",
                  "LTRIM(tsql_metin((tsql_metin(KDV) COLLATE RTRIM))) COLLATE RTRIM");
        satirEkle("convert tarih metni 104", "convert(varchar(10), Tarih, 104)", "strftime('%d.%m.%Y',tsql_tarih((Tarih)))");
        satirEkle("convert decimal", "convert(decimal(18,2), x)", "ROUND(CAST((x) AS REAL),2)");
        satirEkle("iki haneli yillar", "WHERE Tarih>='03/01/49' AND Tarih<='03/01/50'",
                  "WHERE Tarih>='2049-03-01 00:00:00' AND Tarih<='1950-03-01 00:00:00'");
        satirEkle("bolu olmayan metin kalir", "WHERE Fis_No='SF/2025'", "WHERE Fis_No='SF/2025'");
        satirEkle("N onekli metin", "WHERE Unvan=N'Şahin'", "WHERE Unvan='Şahin'");
        satirEkle("metin icindeki anahtar sozcukler", "WHERE a='dbo.x ISNULL(' AND b='it''s'", "WHERE a='dbo.x ISNULL(' AND b='it''s'");
        satirEkle("yorum korunur", "SELECT 1 -- dbo.x\n", "SELECT 1 -- dbo.x\n");
        satirEkle("cift bosluklar korunur", "SELECT DISTINCT Ambar_No as Deger,  Ambar_Ad as Deger2 FROM AMBAR",
                  "SELECT DISTINCT Ambar_No as Deger,  Ambar_Ad as Deger2 FROM AMBAR");
    }
    void cevir() {
        QFETCH(QString, tsql);
        QFETCH(QString, sqlite);
        QCOMPARE(TsqlCevirici::sqliteye(tsql), sqlite);
    }

    // One sort for grouping and order: the ordered terms lead the grouping,
    // the order goes on with the rest of it. Anything else stays as it is.
    void siralamayiBirlestir_data() {
        sutunlar<QString, QString>("sql", "beklenen");
        const QString bas = QStringLiteral("SELECT f.a, c.b, f.c FROM f JOIN c ON (c.id=f.cid) WHERE f.t >= '2026-01-01 00:00:00'");
        satirEkle("sira gruplamanin icinde", bas + " GROUP BY f.a, c.b, f.c ORDER BY c.b, f.a",
                  bas + " GROUP BY c.b, f.a, f.c ORDER BY c.b, f.a, f.c");
        satirEkle("azalan", bas + " GROUP BY f.a, c.b ORDER BY c.b DESC", bas + " GROUP BY c.b, f.a ORDER BY c.b DESC, f.a");
        satirEkle("having korunur", bas + " GROUP BY f.a, c.b HAVING SUM(f.c) > 1 ORDER BY c.b",
                  bas + " GROUP BY c.b, f.a HAVING SUM(f.c) > 1 ORDER BY c.b, f.a");
        satirEkle("gruplanmayan sira", bas + " GROUP BY f.a ORDER BY c.b", bas + " GROUP BY f.a ORDER BY c.b");
        satirEkle("gruplamasiz", bas + " ORDER BY c.b", bas + " ORDER BY c.b");
        satirEkle("alt sorgudaki gruplama", "SELECT a FROM (SELECT a FROM t GROUP BY a, b) ORDER BY a",
                  "SELECT a FROM (SELECT a FROM t GROUP BY a, b) ORDER BY a");
        satirEkle("metindeki kelimeler", "SELECT 'GROUP BY x ORDER BY y' FROM t", "SELECT 'GROUP BY x ORDER BY y' FROM t");
        satirEkle("birlesim", "SELECT a FROM t GROUP BY a, b UNION SELECT a FROM u ORDER BY a",
                  "SELECT a FROM t GROUP BY a, b UNION SELECT a FROM u ORDER BY a");
        satirEkle("islevli terim", "SELECT a FROM t GROUP BY a, DATE(t.d, '+1 day') ORDER BY date(t.d, '+1 day')",
                  "SELECT a FROM t GROUP BY DATE(t.d, '+1 day'), a ORDER BY date(t.d, '+1 day'), a");
    }
    void siralamayiBirlestir() {
        QFETCH(QString, sql);
        QFETCH(QString, beklenen);
        QCOMPARE(SqliteGruplama::siralamayiBirlestir(sql), beklenen);
    }

    // A grouping that cannot merge two rows goes, the order keeps its ties;
    // one that might merge rows stays. f.id and c.id are whole-number keys,
    // a.no a text key distinct in the RTRIM order, u.kod one that may be NULL.
    void gereksizGruplama_data() {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("beklenen"); // empty: unchanged
        const QString s = QStringLiteral("SELECT f.a, c.b FROM f ");
        const QString w = QStringLiteral(" WHERE EXISTS (SELECT 1 FROM h WHERE h.fid=f.id GROUP BY h.x)");
        satirEkle("anahtarla gruplama gider", s + "JOIN c ON (c.id=f.cid)" + w + " GROUP BY f.id, f.a, c.b ORDER BY f.a",
                  s + "JOIN c ON (c.id=f.cid)" + w + " ORDER BY f.a, f.id");
        satirEkle("anahtara kadar olan terimler siraya", s + "JOIN c ON (c.id=f.cid) GROUP BY c.b, f.a, f.id, f.z ORDER BY f.a DESC",
                  s + "JOIN c ON (c.id=f.cid) ORDER BY f.a DESC, c.b, f.id");
        satirEkle("siralamasiz", s + "GROUP BY f.a, f.id", s + "ORDER BY f.a, f.id");
        satirEkle("sol ve ic katilim, ters esitlik",
                  s + "LEFT OUTER JOIN c ON c.id = f.cid INNER JOIN a ON ((f.ano=a.no)) GROUP BY f.id ORDER BY c.b",
                  s + "LEFT OUTER JOIN c ON c.id = f.cid INNER JOIN a ON ((f.ano=a.no)) ORDER BY c.b, f.id");
        satirEkle("metin anahtar baska sirayla karsilastirilir", s + "JOIN a ON (f.kod=a.no) GROUP BY f.id", "");
        satirEkle("sayi anahtar metinle karsilastirilir", s + "JOIN c ON (c.id=f.kod) GROUP BY f.id", "");
        satirEkle("anahtar olmayan katilim", s + "JOIN c ON (c.ad=f.cad) GROUP BY f.id", "");
        satirEkle("genis katilim kosulu", s + "JOIN c ON (c.id=f.cid AND c.t=1) GROUP BY f.id", "");
        satirEkle("virgulle katilim", s + ", c WHERE c.id=f.cid GROUP BY f.id", "");
        satirEkle("takma ad", "SELECT x.a FROM f x GROUP BY x.id", "");
        satirEkle("surucu anahtari gruplamada yok", s + "JOIN c ON (c.id=f.cid) GROUP BY f.a, c.id", "");
        satirEkle("bos olabilen anahtar", "SELECT u.a FROM u GROUP BY u.kod", "");
        satirEkle("toplam", "SELECT f.a, SUM(f.t) FROM f GROUP BY f.id, f.a", "");
        satirEkle("having", "SELECT f.a FROM f GROUP BY f.id, f.a HAVING f.a > 1", "");
        satirEkle("distinct", "SELECT DISTINCT f.a FROM f GROUP BY f.id, f.a", "");
        satirEkle("birlesim", "SELECT f.a FROM f GROUP BY f.id UNION SELECT a FROM g", "");
    }
    void gereksizGruplama() {
        QFETCH(QString, sql);
        QFETCH(QString, beklenen);
        const SqliteGruplama::Anahtarlar anahtarlar{
            {"f.id", {{}, true}}, {"c.id", {{}, true}}, {"a.no", {"RTRIM", true}}, {"u.kod", {"RTRIM", false}}};
        const SqliteGruplama::Harmanlar harmanlar{{"a.no", "RTRIM"}, {"f.ano", "RTRIM"}, {"f.kod", "BINARY"}, {"u.kod", "RTRIM"}};
        QCOMPARE(SqliteGruplama::gereksizGruplamayiKaldir(sql, anahtarlar, harmanlar), beklenen.isEmpty() ? sql : beklenen);
    }

    void ondalikMetni_data() {
        sutunlar<double, QString>("sayi", "metin");
        satirEkle("tam", 8.0, "8");
        satirEkle("iki hane", 18.0, "18");
        satirEkle("kesirli", 8.5, "8.5");
        satirEkle("eksi", -0.25, "-0.25");
        satirEkle("alti hane", 123456.0, "123456");
        satirEkle("yedi hane ustel", 1234567.0, "1.23457e+006");
        satirEkle("kucuk ustel", 0.00001, "1e-005");
        satirEkle("alti anlamli hane", 3.14159265, "3.14159");
        satirEkle("sifir", 0.0, "0");
    }
    void ondalikMetni() {
        QFETCH(double, sayi);
        QFETCH(QString, metin);
        QCOMPARE(TsqlCevirici::ondalikMetni(sayi), metin);
    }

    // Divisions with a money operand, given the store's declared types.
    void paraBolme_data() {
        sutunlar<QString, QString>("tsql", "sqlite");
        satirEkle("para / tamsayi", "SELECT Net_Tutar/3 FROM F", "SELECT ROUND(CAST(Net_Tutar AS REAL)/(3),4) FROM F");
        satirEkle("nitelikli, bosluklu", "SELECT F.Net_Tutar / F.Adet FROM F",
                  "SELECT ROUND(CAST(F.Net_Tutar  AS REAL)/( F.Adet),4) FROM F");
        satirEkle("tamsayi / para", "SELECT 100/F.Net_Tutar FROM F", "SELECT ROUND(CAST(100 AS REAL)/(F.Net_Tutar),4) FROM F");
        satirEkle("para / ondalik", "SELECT Net_Tutar/Oran FROM F", "SELECT CAST(Net_Tutar AS REAL)/(Oran) FROM F");
        satirEkle("para / kesirli sayi", "SELECT Net_Tutar/2.5 FROM F", "SELECT CAST(Net_Tutar AS REAL)/(2.5) FROM F");
        satirEkle("para / parantez", "SELECT Net_Tutar/(1+Oran/100) FROM F", "SELECT CAST(Net_Tutar AS REAL)/((1+Oran/100)) FROM F");
        satirEkle("toplam / tamsayi", "SELECT SUM(F.Net_Tutar)/2 FROM F", "SELECT ROUND(CAST(SUM(F.Net_Tutar) AS REAL)/(2),4) FROM F");
        satirEkle("isnull icinde para", "SELECT ISNULL(Net_Tutar, 0) / Adet FROM F",
                  "SELECT ROUND(CAST(IFNULL(Net_Tutar, 0)  AS REAL)/( Adet),4) FROM F");
        satirEkle("parantezli para", "SELECT (F.Net_Tutar)/2 FROM F", "SELECT ROUND(CAST((F.Net_Tutar) AS REAL)/(2),4) FROM F");
        satirEkle("anahtar sozcukten sonra parantez", "SELECT * FROM F WHERE (F.Net_Tutar)/2 > 1",
                  "SELECT * FROM F WHERE ROUND(CAST((F.Net_Tutar) AS REAL)/(2),4) > 1");
        satirEkle("baska islev", "SELECT LEN(F.Net_Tutar)/2 FROM F", "SELECT LEN(F.Net_Tutar)/2 FROM F");
        satirEkle("toplam ifadesi bilinmez", "SELECT SUM(F.Net_Tutar*2)/2 FROM F", "SELECT SUM(F.Net_Tutar*2)/2 FROM F");
        satirEkle("tamsayi / tamsayi kalir", "SELECT Adet/2 FROM F", "SELECT Adet/2 FROM F");
        satirEkle("convert icinde", "SELECT convert(money, Net_Tutar/3) FROM F",
                  "SELECT ROUND(CAST((ROUND(CAST(Net_Tutar AS REAL)/(3),4)) AS REAL),4) FROM F");
        satirEkle("bilinmeyen ad", "SELECT Yok/3 FROM F", "SELECT Yok/3 FROM F");
    }
    void paraBolme() {
        QFETCH(QString, tsql);
        QFETCH(QString, sqlite);
        const TsqlCevirici::AlanTurleri turler{{"f.net_tutar", "MONEY"}, {"net_tutar", "MONEY"}, {"f.adet", "INT"},
                                               {"adet", "INT"},          {"f.oran", "FLOAT"},    {"oran", "FLOAT"}};
        QCOMPARE(TsqlCevirici::sqliteye(tsql, {turler, {}, {}}), sqlite);
    }

    // "+" joins texts: literals, text columns and functions that give text.
    void metinBirlestirme_data() {
        sutunlar<QString, QString>("tsql", "sqlite");
        satirEkle("iki metin", "SELECT 'a' + 'b'", "SELECT 'a' || 'b'");
        satirEkle("metin sutunlari", "SELECT F.Kod+' - '+F.Ad FROM F", "SELECT F.Kod||' - '||F.Ad FROM F");
        satirEkle("rtrim ve convert", "SELECT RTRIM(Oran) + '%', convert(varchar(9), Adet) + 'x' FROM F",
                  "SELECT RTRIM(tsql_metin(Oran)) COLLATE RTRIM || '%', (tsql_metin(Adet) COLLATE RTRIM) || 'x' FROM F");
        satirEkle("isnull metin", "SELECT ISNULL(F.Ad,'') + 'x' FROM F", "SELECT IFNULL(F.Ad,'') || 'x' FROM F");
        satirEkle("sayilar toplanir", "SELECT Adet + 1, Oran + Adet FROM F", "SELECT Adet + 1, Oran + Adet FROM F");
        satirEkle("sayi ile metin toplanir", "SELECT Adet + '1' FROM F", "SELECT Adet + '1' FROM F");
    }
    void metinBirlestirme() {
        QFETCH(QString, tsql);
        QFETCH(QString, sqlite);
        const TsqlCevirici::AlanTurleri turler{{"f.kod", "VARCHAR(20)"}, {"f.ad", "NVARCHAR(60)"}, {"adet", "INT"}, {"oran", "FLOAT"}};
        QCOMPARE(TsqlCevirici::sqliteye(tsql, {turler, {}, {}}), sqlite);
    }

    // A literal the server would read as a date and cannot: its conversion error.
    void tarihDonusumHatasi_data() {
        sutunlar<QString, bool>("tsql", "hata");
        satirEkle("29 subat artik olmayan yil", "WHERE Tarih >= '02/29/2026'", true);
        satirEkle("29 subat artik yil", "WHERE Tarih >= '02/29/2024'", false);
        satirEkle("30 subat", "WHERE Tarih='02/30/2025'", true);
        satirEkle("gun-ay sirasi degil", "WHERE Tarih='31/01/2025'", true);
        satirEkle("bozuk tamamlanmis yil", "WHERE Tarih <= '/2/1//2026'", true);
        satirEkle("iki haneli yil", "WHERE Tarih <= '03/01/12'", false);
        satirEkle("uc haneli yil", "WHERE Tarih <= '03/01/120'", true);
        satirEkle("tek egik cizgi", "WHERE Kod = '12/5'", false);
        satirEkle("harfli", "WHERE Kod = 'A/1/2'", false);
        satirEkle("yorumda", "SELECT 1 -- '02/30/2025'", false);
    }
    void tarihDonusumHatasi() {
        QFETCH(QString, tsql);
        QFETCH(bool, hata);
        QString mesaj;
        try {
            TsqlCevirici::sqliteye(tsql);
        } catch (const VeritabaniHatasi& h) {
            mesaj = h.aciklama();
            QCOMPARE(h.numara(), HataNo::SorguHatasi);
        }
        QCOMPARE(mesaj, hata ? QStringLiteral("Conversion failed when converting date and/or time from character string.") : QString());
    }
};

QTEST_MAIN(TstTsqlCevirici)
#include "tst_tsql_cevirici.moc"
