#include "bant/SayfaArayici.h"

#include <QtTest>

using Bant::Sayfa;
using Bant::SayfaArayici;
using Bant::SayfaOgesi;

namespace {

// Pages of text items, one page per list, one item per text.
QList<Sayfa> sayfalar(const QList<QStringList>& metinler) {
    QList<Sayfa> l;
    for (const QStringList& sayfa : metinler) {
        Sayfa s;
        for (const QString& m : sayfa) {
            SayfaOgesi o;
            o.metin = m;
            s.ogeler << o;
        }
        l << s;
    }
    return l;
}

} // namespace

// The preview's find: Turkish letter case, one item at a time, round the pages.
class TstSayfaArayici : public QObject {
    Q_OBJECT
private slots:
    void eslesme_data() {
        QTest::addColumn<QString>("metin");
        QTest::addColumn<QString>("aranan");
        QTest::addColumn<bool>("bulunur");
        QTest::newRow("noktali buyuk I") << "İZMİR Şubesi"
                                         << "izmir" << true;
        QTest::newRow("noktasiz buyuk I") << "GIDA"
                                          << "gida" << false;
        QTest::newRow("noktasiz kucuk") << "GIDA"
                                        << "gıda" << true;
        QTest::newRow("buyukle aranan") << "Kadıköy"
                                        << "KADIKÖY" << true;
        QTest::newRow("ortada") << "SF2500123"
                                << "2500" << true;
        QTest::newRow("bos aranan") << "x"
                                    << "" << false;
        QTest::newRow("metinden uzun") << "ab"
                                       << "abc" << false;
    }
    void eslesme() {
        QFETCH(QString, metin);
        QFETCH(QString, aranan);
        QFETCH(bool, bulunur);
        SayfaArayici a;
        a.aranan(aranan);
        SayfaOgesi o;
        o.metin = metin;
        QCOMPARE(a.eslesir(o), bulunur);
        o.tur = SayfaOgesi::Tur::Kutu; // boxes and lines hold no text to find
        QVERIFY(!a.eslesir(o));
    }

    // From a place, forward or back: the next match, whether the search went round.
    void sonraki_data() {
        QTest::addColumn<int>("sayfa");
        QTest::addColumn<int>("oge");
        QTest::addColumn<bool>("geri");
        QTest::addColumn<int>("bulunanSayfa");
        QTest::addColumn<int>("bulunanOge");
        QTest::addColumn<bool>("dondu");
        QTest::newRow("bastan") << -1 << -1 << false << 0 << 1 << false;
        QTest::newRow("ayni sayfada sonraki") << 0 << 1 << false << 0 << 2 << false;
        QTest::newRow("sonraki sayfada") << 0 << 2 << false << 2 << 0 << false;
        QTest::newRow("sondan basa") << 2 << 0 << false << 0 << 1 << true;
        QTest::newRow("geri") << 2 << 0 << true << 0 << 2 << false;
        QTest::newRow("geri, bastan sona") << 0 << 1 << true << 2 << 0 << true;
        QTest::newRow("sondan geri") << -1 << -1 << true << 2 << 0 << false;
    }
    void sonraki() {
        QFETCH(int, sayfa);
        QFETCH(int, oge);
        QFETCH(bool, geri);
        QFETCH(int, bulunanSayfa);
        QFETCH(int, bulunanOge);
        QFETCH(bool, dondu);
        // "ANKARA" on page 1 is split across two items: no match there.
        const QList<Sayfa> s = sayfalar({{"Fiş", "Ankara Depo", "ankara"}, {"ANK", "ARA"}, {"Ankara Şubesi"}});
        SayfaArayici a;
        a.aranan(QStringLiteral("ankara"));
        const auto b = a.bul(s, {sayfa, oge}, geri);
        QVERIFY(b);
        QCOMPARE(b->yer.sayfa, bulunanSayfa);
        QCOMPARE(b->yer.oge, bulunanOge);
        QCOMPARE(b->dondu, dondu);
    }

    void bulunamaz() {
        const QList<Sayfa> s = sayfalar({{"ANK", "ARA"}, {"İstanbul"}});
        SayfaArayici a;
        a.aranan(QStringLiteral("ankara"));
        QVERIFY(!a.bul(s, {-1, -1}));
        QVERIFY(!a.bul({}, {-1, -1}));
    }

    // A search that found nothing goes on in the pages that arrive later.
    void gelenSayfalarda() {
        QList<Sayfa> s = sayfalar({{"İstanbul"}, {"Bursa"}});
        SayfaArayici a;
        a.aranan(QStringLiteral("izmir"));
        QVERIFY(!a.ilk(s, 0));
        s << sayfalar({{"Toplam", "İzmir Depo"}});
        QVERIFY(!a.ilk(s, 3));
        const auto y = a.ilk(s, 2);
        QVERIFY(y);
        QCOMPARE(y->sayfa, 2);
        QCOMPARE(y->oge, 1);
    }
};

QTEST_MAIN(TstSayfaArayici)
#include "tst_sayfa_arayici.moc"
