#include "bant/SayfaArayici.h"

#include "TestYardimi.h"

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
        sutunlar<QString, QString, bool>("metin", "aranan", "bulunur");
        satirEkle("noktali buyuk I", "İZMİR Şubesi", "izmir", true);
        satirEkle("noktasiz buyuk I", "GIDA", "gida", false);
        satirEkle("noktasiz kucuk", "GIDA", "gıda", true);
        satirEkle("buyukle aranan", "Kadıköy", "KADIKÖY", true);
        satirEkle("bos aranan", "x", "", false);
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
        sutunlar<int, int, bool, int, int, bool>("sayfa", "oge", "geri", "bulunanSayfa", "bulunanOge", "dondu");
        satirEkle("bastan", -1, -1, false, 0, 1, false);
        satirEkle("sonraki sayfada", 0, 2, false, 2, 0, false);
        satirEkle("sondan basa", 2, 0, false, 0, 1, true);
        satirEkle("geri", 2, 0, true, 0, 2, false);
        satirEkle("geri, bastan sona", 0, 1, true, 2, 0, true);
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
};

QTEST_MAIN(TstSayfaArayici)
#include "tst_sayfa_arayici.moc"
