// A ProgramSonu thrown from an event handler ends the event loop with its
// status instead of escaping through Qt.
#include "app/Uygulama.h"
#include "startup/ProgramSonu.h"

#include "TestYardimi.h"

#include <QTimer>
#include <QtTest>

class TstUygulama : public QObject {
    Q_OBJECT

private slots:
    void handlerdanProgramSonu_data() {
        QTest::addColumn<int>("durum");
        satirEkle("1", 1);
        satirEkle("0", 0);
    }
    void handlerdanProgramSonu() {
        QFETCH(int, durum);
        auto* u = static_cast<Uygulama*>(QCoreApplication::instance());
        bool sonrakiCalisti = false;
        QTimer::singleShot(0, [durum] { throw ProgramSonu{durum}; });
        QTimer::singleShot(50, [&] { sonrakiCalisti = true; });
        QTimer::singleShot(5000, [u] { u->exit(99); }); // a loop that did not end fails, not hangs
        QCOMPARE(u->calistir(), durum);
        QVERIFY(!sonrakiCalisti);
    }
};

int main(int argc, char** argv) {
    Uygulama uygulama(argc, argv);
    TstUygulama t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_uygulama.moc"
