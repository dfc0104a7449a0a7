#include "platform/veritabani/TsqlCevirici.h"
#include "bant/VeritabaniHatasi.h"

#include "TestYardimi.h"

#include <QtTest>

class TstTsqlCevirici : public QObject {
    Q_OBJECT
private slots:
    // One sort for grouping and order: the ordered terms lead the grouping,
    // the order goes on with the rest of it. Anything else stays as it is.
    void siralamayiBirlestir_data() {
        sutunlar<QString, QString>("sql", "beklenen");
        const QString bas = QStringLiteral("SELECT f.a, c.b, f.c FROM f JOIN c ON (c.id=f.cid) WHERE f.t >= '2026-01-01 00:00:00'");
        satirEkle("sira gruplamanin icinde", bas + " GROUP BY f.a, c.b, f.c ORDER BY c.b, f.a",
                  bas + " GROUP BY c.b, f.a, f.c ORDER BY c.b, f.a, f.c");
        satirEkle("having korunur", bas + " GROUP BY f.a, c.b HAVING SUM(f.c) > 1 ORDER BY c.b",
                  bas + " GROUP BY c.b, f.a HAVING SUM(f.c) > 1 ORDER BY c.b, f.a");
        satirEkle("alt sorgudaki gruplama", "SELECT a FROM (SELECT a FROM t GROUP BY a, b) ORDER BY a",
                  "SELECT a FROM (SELECT a FROM t GROUP BY a, b) ORDER BY a");
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
        satirEkle("kesirli", 8.5, "8.5");
        satirEkle("yedi hane ustel", 1234567.0, "1.23457e+006");
        satirEkle("kucuk ustel", 0.00001, "1e-005");
    }
    void ondalikMetni() {
        QFETCH(double, sayi);
        QFETCH(QString, metin);
        QCOMPARE(TsqlCevirici::ondalikMetni(sayi), metin);
    }

    // A literal the server would read as a date and cannot: its conversion error.
    void tarihDonusumHatasi_data() {
        sutunlar<QString, bool>("tsql", "hata");
        satirEkle("29 subat artik olmayan yil", "WHERE Tarih >= '02/29/2026'", true);
        satirEkle("30 subat", "WHERE Tarih='02/30/2025'", true);
        satirEkle("gun-ay sirasi degil", "WHERE Tarih='31/01/2025'", true);
        satirEkle("bozuk tamamlanmis yil", "WHERE Tarih <= '/2/1//2026'", true);
        satirEkle("iki haneli yil", "WHERE Tarih <= '03/01/12'", false);
        satirEkle("tek egik cizgi", "WHERE Kod = '12/5'", false);
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
