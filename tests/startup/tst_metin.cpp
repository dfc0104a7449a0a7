#include "startup/Metin.h"
#include "bant/Cp1254.h"

#include "TestYardimi.h"

#include <QtTest>

class TstMetin : public QObject {
    Q_OBJECT
private slots:
    void sifrele_data() {
        QTest::addColumn<QString>("girdi");
        QTest::addColumn<QByteArray>("kodlar"); // expected result in code page 1254
        satirEkle("abc", "abc", QByteArray("\xC3\xC6\xC9"));
        // 2*c+i above 255 drops the character; the positions after it are not renumbered.
        satirEkle("255 sinirinda", "~~~~", QByteArray("\xFD\xFE\xFF"));
        satirEkle("tasan ortada",
                  "a\x7F"
                  "b",
                  QByteArray("\xC3\xC7"));
        satirEkle("128 ve ustu atilir", "şa", QByteArray("\xC4"));
        satirEkle("kod sayfasi disi soru isareti sayilir", "Ω", QByteArray("\x7F"));
    }
    void sifrele() {
        QFETCH(QString, girdi);
        QFETCH(QByteArray, kodlar);
        QCOMPARE(Sifrele(girdi), Cp1254::coz(kodlar));
    }
};

QTEST_MAIN(TstMetin)
#include "tst_metin.moc"
