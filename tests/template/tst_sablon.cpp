#include "filterform/FiltreIzgarasi.h"
#include "ortak/TestOrtami.h"
#include "platform/izgara/IzgaraModeli.h"
#include "bant/Cp1254.h"
#include "template/Sablon.h"

#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

class TstSablon : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    IzgaraModeli grid_;
    SablonSql sql_;

    QString yaz(const QByteArray& icerik) {
        const QString yol = dir_.filePath(QStringLiteral("Master.mtr"));
        QFile f(yol);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(icerik);
        return yol;
    }
    QString oku(const QByteArray& icerik) {
        sql_ = {};
        Filtre_Izgarasi_Kur(grid_);
        return Master_Oku(grid_, sql_, yaz(icerik));
    }

private slots:
    void okuma_data() {
        sutunlar<QByteArray, QString, QString, QString>("icerik", "mesaj", "temel", "grup");
        QTest::addColumn<int>("satirSayisi"); // header included
        const QString temel = SablonMesaji::temelSql(), filtre = SablonMesaji::filtre();
        satirEkle("saglam, satirlar bitisik",
                  QByteArray("<TEMELSQL>\r\nSELECT *\r\nFROM X\r\n<GROUPSQL>\r\n GROUP BY a\r\n<FILTRE>\r\nA;1;;\r\n<END>\r\n"), "",
                  "SELECT *FROM X", " GROUP BY a", 2);
        satirEkle("bosluklu birlesim", QByteArray("<TEMELSQL>\nSELECT * \nFROM X\n<GROUPSQL>\n<FILTRE>\n<END>\n"), "", "SELECT * FROM X",
                  "", 1);
        satirEkle("yalniz CR", QByteArray("<TEMELSQL>\rS\r<GROUPSQL>\rG\r<FILTRE>\rA;\r<END>"), "", "S", "G", 2);
        satirEkle("END sonrasi okunmaz", QByteArray("<TEMELSQL>\nS\n<GROUPSQL>\n<FILTRE>\n<END>\nbozuk satir\n"), "", "S", "", 1);
        satirEkle("ilk satir yanlis ama okunur", QByteArray("<TEMEL>\nS\n<GROUPSQL>\n<FILTRE>\nA;\n<END>\n"), temel, "S", "", 2);
        satirEkle("bosluklu isaret isaret degil", QByteArray("<TEMELSQL>\nS\n<GROUPSQL>\n<FILTRE>\n<END> \n<END>\n"), filtre, "S", "", 1);
        satirEkle("filtre hatasi kalanini okumaz", QByteArray("<TEMELSQL>\n<GROUPSQL>\n<FILTRE>\nA;\nB\nC;\n<END>\n"), filtre, "", "", 2);
        satirEkle("bos satir bos filtre", QByteArray("<TEMELSQL>\n<GROUPSQL>\n<FILTRE>\nA;\n   \nB;\n<END>\n"), "", "", "", 4);
        satirEkle("FILTRE beklenirken biter", QByteArray("<TEMELSQL>\n<GROUPSQL>\nG\n"), temel, "", "G", 1);
    }
    void okuma() {
        QFETCH(QByteArray, icerik);
        QFETCH(QString, mesaj);
        QFETCH(QString, temel);
        QFETCH(QString, grup);
        QFETCH(int, satirSayisi);
        QCOMPARE(oku(icerik), mesaj);
        if (mesaj != SablonMesaji::temelSql() || !temel.isEmpty()) QCOMPARE(sql_.TemelSQL, temel);
        QCOMPARE(sql_.GroupSQL, grup);
        QCOMPARE(grid_.satirSayisi(), satirSayisi);
    }

    // What is no template file gets the template's message at once: no
    // endless read from a device or a pipe, no memory spent on a huge file.
    void dosyaOlmayanSablon_data() {
        QTest::addColumn<QString>("tur");
        satirEkle("boru", "boru");
        satirEkle("aygit", "aygit");
        satirEkle("17 MB", "buyuk");
    }
    void dosyaOlmayanSablon() {
        QFETCH(QString, tur);
        QString yol = dir_.filePath(tur);
        if (tur == QLatin1String("boru")) QCOMPARE(::mkfifo(QFile::encodeName(yol).constData(), 0600), 0);
        if (tur == QLatin1String("aygit")) yol = QStringLiteral("/dev/zero");
        if (tur == QLatin1String("buyuk")) {
            QFile f(yol);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<TEMELSQL>\nSELECT 1\n<GROUPSQL>\n<FILTRE>\n<END>\n");
            QVERIFY(f.resize(17 * 1024 * 1024));
        }
        Filtre_Izgarasi_Kur(grid_);
        QCOMPARE(Master_Oku(grid_, sql_, yol), SablonMesaji::temelSql());
    }

    void kenarBosluklariKirpilir() {
        QCOMPARE(oku("<TEMELSQL>\n<GROUPSQL>\n<FILTRE>\n   Grupla;Gruplama Yok;   \n<END>\n"), QString());
        QCOMPARE(grid_.hucre(1, Sutun::FiltreLbl), QStringLiteral("Grupla"));
        QCOMPARE(grid_.hucre(1, Sutun::Baslangic), QStringLiteral("Gruplama Yok"));
    }

    void kodlama_data() {
        QTest::addColumn<QByteArray>("icerik");
        const QString metin = QStringLiteral("<TEMELSQL>\nSELECT 'æ'\n<GROUPSQL>\n<FILTRE>\nİşlem Tarihi;Şubat;;\n<END>\n");
        satirEkle("utf-8", metin.toUtf8());
        satirEkle("utf-8 bom", QByteArray("\xEF\xBB\xBF") + metin.toUtf8());
        satirEkle("1254", Cp1254::kodla(metin));
    }
    void kodlama() {
        QFETCH(QByteArray, icerik);
        QCOMPARE(oku(icerik), QString());
        QCOMPARE(sql_.TemelSQL, QStringLiteral("SELECT 'æ'"));
        QCOMPARE(grid_.hucre(1, Sutun::FiltreLbl), QStringLiteral("İşlem Tarihi"));
        QCOMPARE(grid_.hucre(1, Sutun::Baslangic), QStringLiteral("Şubat"));
    }
};

QTEST_MAIN(TstSablon)
#include "tst_sablon.moc"
