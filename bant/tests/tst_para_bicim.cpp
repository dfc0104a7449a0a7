#include "bant/Belge.h"
#include "bant/Cp1254.h"
#include "bant/SayiBicimi.h"
#include "bant/TarihKalibi.h"
#include "bant/Para.h"

#include "TestYardimi.h"

#include <QtTest>
#include <cmath>
#include <limits>

class TstParaBicim : public QObject {
    Q_OBJECT
private slots:
    void metindenOku_data() {
        sutunlar<QString, QChar, bool, qint64>("metin", "ayirac", "gecerli", "ham");
        satirEkle("tam", "118", QChar(u'.'), true, 1180000LL);
        satirEkle("kesirli", "16.2", QChar(u'.'), true, 162000LL);
        satirEkle("virgul", "106,20", QChar(u','), true, 1062000LL);
        satirEkle("negatif", "-0.5", QChar(u'.'), true, -5000LL);
        satirEkle("besinci basamak yukari", "0.00005", QChar(u'.'), true, 1LL);
        satirEkle("besinci basamak asagi", "-1.23454", QChar(u'.'), true, -12345LL);
        satirEkle("bosluklu", "  7 ", QChar(u'.'), true, 70000LL);
        satirEkle("harf", "12a", QChar(u'.'), false, 0LL);
        satirEkle("binlik ayiracli", "1.234,5", QChar(u','), false, 0LL);
        satirEkle("bos", "", QChar(u'.'), false, 0LL);
        satirEkle("en buyuk tutar", "922337203685477.5807", QChar(u'.'), true, 9223372036854775807LL);
        satirEkle("en kucuk tutar", "-922337203685477.5808", QChar(u'.'), true, (-9223372036854775807LL - 1));
        satirEkle("otuz bir haneli", "1000000000000000000000000000000", QChar(u'.'), false, 0LL);
    }
    void metindenOku() {
        QFETCH(QString, metin);
        QFETCH(QChar, ayirac);
        QFETCH(bool, gecerli);
        QFETCH(qint64, ham);
        const auto p = Para::metinden(metin, ayirac);
        QCOMPARE(p.has_value(), gecerli);
        if (gecerli) QCOMPARE(p->ham(), ham);
    }

    void toplamKurusunaKadarTutar() {
        // 0.1 added ten thousand times is exactly 1000 in fixed point.
        Para toplam;
        for (int i = 0; i < 10000; ++i) toplam += Para::ondaliktan(0.1);
        QCOMPARE(toplam, Para::tamdan(1000));
        QCOMPARE(Para::ondaliktan(100.0 / 1.18).metin(), QStringLiteral("84.7458"));
        QCOMPARE(Para::hamdan(-12345).metin(), QStringLiteral("-1.2345"));
    }

    // Any sum of values in the money range is exact, and prints exactly.
    void buyukToplamlar_data() {
        sutunlar<QString, int, QString>("tutar", "adet", "beklenen");
        satirEkle("2000 x 9e14", "900000000000000", 2000, "1.800.000.000.000.000.000,00");
        satirEkle("en buyuk tutar iki kez", "922337203685477.5807", 2, "1.844.674.407.370.955,16");
        satirEkle("eksi tutarlar", "-922337203685477.5808", 3, "-2.767.011.611.056.432,74");
        satirEkle("tek tutar", "900000000000000", 1, "900.000.000.000.000,00");
        satirEkle("para araliginin otesi", "1000000000000000", 1, "1.000.000.000.000.000,00");
        satirEkle("otuz haneli", "999999999999999999999999999999.99", 1, "999.999.999.999.999.999.999.999.999.999,99");
    }
    void buyukToplamlar() {
        QFETCH(QString, tutar);
        QFETCH(int, adet);
        QFETCH(QString, beklenen);
        Para toplam;
        for (int i = 0; i < adet; ++i) toplam += Para::metinden(tutar).value();
        QCOMPARE(SayiBicimi::bicimle(toplam, QStringLiteral("#,##0.00"), QStringLiteral(","), QStringLiteral(".")), beklenen);
    }

    // Values money cannot hold are refused, never turned into another number.
    void aralikDisiDegerler_data() {
        sutunlar<double, bool>("deger", "gecerli");
        satirEkle("1e15", 1e15, true);
        satirEkle("eksi 1e15", -1e15, true);
        satirEkle("1e31", 1e31, false);
        satirEkle("sonsuz", std::numeric_limits<double>::infinity(), false);
        satirEkle("NaN", std::numeric_limits<double>::quiet_NaN(), false);
        satirEkle("sifir", 0.0, true);
    }
    void aralikDisiDegerler() {
        QFETCH(double, deger);
        QFETCH(bool, gecerli);
        bool atti = false;
        try {
            QCOMPARE(Para::ondaliktan(deger).ondalik(), deger);
        } catch (const Para::AralikDisi&) { atti = true; }
        QCOMPARE(atti, !gecerli);
        QCOMPARE(SayiBicimi::bicimle(deger, QStringLiteral("#,##0.00"), QStringLiteral(","), QStringLiteral(".")).isEmpty(),
                 !std::isfinite(deger));
    }

    void yuvarla_data() {
        sutunlar<qint64, int, qint64>("ham", "basamak", "sonuc");
        satirEkle("1.005 -> 1.01", 10050LL, 2, 10100LL);
        satirEkle("-1.005 -> -1.01", -10050LL, 2, -10100LL);
        satirEkle("1.0049 -> 1.00", 10049LL, 2, 10000LL);
        satirEkle("2.5 -> 3", 25000LL, 0, 30000LL);
        satirEkle("dort basamak degismez", 12345LL, 4, 12345LL);
    }
    void yuvarla() {
        QFETCH(qint64, ham);
        QFETCH(int, basamak);
        QFETCH(qint64, sonuc);
        QCOMPARE(Para::hamdan(ham).yuvarla(basamak).ham(), sonuc);
    }

    void paraBicimi_data() {
        sutunlar<qint64, QString, QString>("ham", "bicim", "beklenen");
        satirEkle("binlik ve kurus", 12345678912LL, "#,##0.00", "1.234.567,89");
        satirEkle("yukari yuvarlama", 9999950LL, "#,##0.00", "1.000,00");
        satirEkle("negatif", -1062000LL, "#,##0.00", "-106,20");
        satirEkle("eksi sifir yazilmaz", -40LL, "#,##0.00", "0,00");
        satirEkle("kusuratsiz", 5000LL, "#,##0", "1");
        satirEkle("dort basamak", 12345LL, "#,##0.0000", "1,2345");
        satirEkle("istege bagli basamak", 125000LL, "#,##0.###", "12,5");
        satirEkle("istege bagli, tam sayi", 120000LL, "#,##0.###", "12,");
        satirEkle("gruplamasiz", 12345670000LL, "0.00", "1234567,00");
    }
    void paraBicimi() {
        QFETCH(qint64, ham);
        QFETCH(QString, bicim);
        QFETCH(QString, beklenen);
        QCOMPARE(SayiBicimi::bicimle(Para::hamdan(ham), bicim, QStringLiteral(","), QStringLiteral(".")), beklenen);
    }

    void ondalikBicimi_data() {
        sutunlar<double, QString, QString>("deger", "bicim", "beklenen");
        satirEkle("miktar 12", 12.0, "#,##0.###", "12,");
        satirEkle("miktar 12,5", 12.5, "#,##0.###", "12,5");
        satirEkle("miktar 1.234", 1234.0, "#,##0.###", "1.234,");
        satirEkle("miktar 0", 0.0, "#,##0.###", "0,");
        satirEkle("ikili kesir yarim", 1.2345, "#,##0.000", "1,235");
        satirEkle("negatif", -2.5, "#,##0", "-3");
    }
    void ondalikBicimi() {
        QFETCH(double, deger);
        QFETCH(QString, bicim);
        QFETCH(QString, beklenen);
        QCOMPARE(SayiBicimi::bicimle(deger, bicim, QStringLiteral(","), QStringLiteral(".")), beklenen);
    }

    void baskaAyiraclar() {
        QCOMPARE(SayiBicimi::bicimle(Para::hamdan(12345678912LL), QStringLiteral("#,##0.00"), QStringLiteral("."), QStringLiteral(",")),
                 QStringLiteral("1,234,567.89"));
    }

    // Dates print on every row through a format read once: each format gives
    // exactly what Qt's own writer gives, over days that exercise every field
    // (one-digit days and months, the first and last years Qt's writer and
    // the store know, leap days), including formats it must hand back to Qt.
    void tarihKalibi_data() {
        QTest::addColumn<QString>("bicim");
        for (const char* b : {"dd.MM.yyyy", "d.M.yyyy", "dd/MM/yy", "yyyy-MM-dd", "d MMMM yyyy dddd", "dd MMM yyyy", "'Tarih:' dd.MM.yyyy",
                              "dd.MM.yyyyy", "ddd", "yy", "d-M-y", "gg dd", "ş dd.MM", "", "hh:mm dd.MM.yyyy", "''dd''"})
            satirEkle(*b ? b : "bos", QString::fromUtf8(b));
    }
    void tarihKalibi() {
        QFETCH(QString, bicim);
        const TarihKalibi k(bicim);
        for (const QDate gun : {QDate(2026, 12, 6), QDate(2025, 1, 2), QDate(2024, 2, 29), QDate(1753, 1, 1), QDate(9999, 12, 31),
                                QDate(1, 1, 1), QDate(10000, 1, 1), QDate(-5, 3, 4), QDate(999, 10, 9)})
            QCOMPARE(k.yaz(gun), gun.toString(bicim));
        QCOMPARE(k.yaz(QDate()), QString());
    }
    void saniyeliTarih() {
        const QDateTime t(QDate(2026, 3, 7), QTime(9, 5, 3, 999), Qt::UTC);
        QCOMPARE(TarihKalibi::saniyeli(t), t.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        const QDateTime gece(QDate(999, 12, 31), QTime(23, 59, 59), Qt::UTC);
        QCOMPARE(TarihKalibi::saniyeli(gece), gece.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
        QCOMPARE(TarihKalibi::saniyeli(QDateTime()), QString());
    }

    // A value's date in the short form, its time of day added when it has one;
    // the same day again prints the same, and a changed short form holds from
    // the next value on.
    void degerinTarihi() {
        Bant::DegerBicimi b;
        const QDate gun(2026, 3, 7);
        const Deger gece = Deger::tarihten(QDateTime(gun, QTime(0, 0), Qt::UTC));
        QCOMPARE(b.metin(gece, {}), QStringLiteral("07.03.2026"));
        QCOMPARE(b.metin(Deger::tarihten(QDateTime(gun, QTime(9, 5, 3), Qt::UTC)), {}), QStringLiteral("07.03.2026 09:05:03"));
        QCOMPARE(b.metin(gece, {}), QStringLiteral("07.03.2026"));
        b.kisaTarih = QStringLiteral("yyyy-MM-dd");
        QCOMPARE(b.metin(gece, {}), QStringLiteral("2026-03-07"));
    }

    void kodSayfasi_data() {
        sutunlar<QString, int>("karakter", "kod");
        satirEkle("ş", "ş", 0xFE);
        satirEkle("İ", "İ", 0xDD);
        satirEkle("ı", "ı", 0xFD);
        satirEkle("ç (Latin-1 ile ayni)", "ç", 0xE7);
        satirEkle("euro", "€", 0x80);
    }
    void kodSayfasi() {
        QFETCH(QString, karakter);
        QFETCH(int, kod);
        QCOMPARE(int(*Cp1254::kod(karakter.at(0))), kod);
        QCOMPARE(Cp1254::karakter(static_cast<unsigned char>(kod)), karakter.at(0));
    }

    void kodSayfasiDisi() {
        QVERIFY(!Cp1254::kod(QChar(0x0436)).has_value()); // Cyrillic zhe
        QCOMPARE(Cp1254::kodla(QStringLiteral("aжb")), QByteArray("a?b"));
        // Every one of the 256 codes survives a round trip.
        QByteArray hepsi;
        for (int i = 0; i < 256; ++i) hepsi.append(static_cast<char>(i));
        QCOMPARE(Cp1254::kodla(Cp1254::coz(hepsi)), hepsi);
    }
};

QTEST_MAIN(TstParaBicim)
#include "tst_para_bicim.moc"
