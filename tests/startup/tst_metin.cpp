#include "startup/Metin.h"
#include "bant/Cp1254.h"

#include <QtTest>

class TstMetin : public QObject {
    Q_OBJECT
private slots:
    void buyukHarf_data() {
        QTest::addColumn<QString>("girdi");
        QTest::addColumn<QString>("beklenen");
        QTest::newRow("Ali") << "Ali"
                             << "ALİ";
        QTest::newRow("IŞIK degismez") << "IŞIK"
                                       << "IŞIK";
        QTest::newRow("kaya (i yok)") << "kaya"
                                      << "KAYA";
        QTest::newRow("istanbul ılık") << "istanbul ılık"
                                       << "İSTANBUL ILIK";
        QTest::newRow("ç ğ ö ş ü") << "çğöşü"
                                   << "ÇĞÖŞÜ";
        QTest::newRow("karisik") << "iıİI"
                                 << "İIİI";
        QTest::newRow("bos") << ""
                             << "";
        QTest::newRow("program adi") << "Fatura Listesi"
                                     << "FATURA LİSTESİ";
        QTest::newRow("rakamlar ve isaretler") << "a1-b_ğ"
                                               << "A1-B_Ğ";
    }
    void buyukHarf() {
        QFETCH(QString, girdi);
        QFETCH(QString, beklenen);
        QCOMPARE(Buyuk_Harf(girdi), beklenen);
    }

    void sifrele_data() {
        QTest::addColumn<QString>("girdi");
        QTest::addColumn<QByteArray>("kodlar"); // expected result in code page 1254
        QTest::newRow("abc") << "abc" << QByteArray("\xC3\xC6\xC9");
        QTest::newRow("1234") << "1234" << QByteArray("cfil");
        QTest::newRow("bos") << "" << QByteArray();
        // 2*c+i above 255 drops the character; the positions after it are not renumbered.
        QTest::newRow("255 sinirinda") << "~~~~" << QByteArray("\xFD\xFE\xFF");
        QTest::newRow("tasan ortada") << "a\x7F"
                                         "b"
                                      << QByteArray("\xC3\xC7");
        QTest::newRow("128 ve ustu atilir") << "şa" << QByteArray("\xC4");
        QTest::newRow("kod sayfasi disi soru isareti sayilir") << "Ω" << QByteArray("\x7F");
        QTest::newRow("buyuk kucuk farkli") << "A" << QByteArray("\x83");
    }
    void sifrele() {
        QFETCH(QString, girdi);
        QFETCH(QByteArray, kodlar);
        QCOMPARE(Sifrele(girdi), Cp1254::coz(kodlar));
    }
};

QTEST_MAIN(TstMetin)
#include "tst_metin.moc"
