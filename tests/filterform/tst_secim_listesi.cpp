#include "filterform/FiltreIzgarasi.h"
#include "filterform/SecimListesi.h"
#include "ortak/TestOrtami.h"
#include "platform/izgara/IzgaraModeli.h"

#include <QtTest>

// The selection list of multiple-choice rows without its window: filling,
// marking, the "Hepsi" rule and storing.
class TstSecimListesi : public QObject {
    Q_OBJECT

    IzgaraModeli filtre_;
    IzgaraModeli liste_;

    // A multiple-choice row with these options and stored choice; the list opened on it.
    void ac(const QString& secenekler, const QString& secim) {
        filtreSatirlari(filtre_, {QStringLiteral("Ambar No;Hepsi;;;F.Ambar;;CS;True;%1;%2;").arg(secenekler, secim)});
        Secim_Listesi_Kur(liste_);
        Secenekleri_Listele(liste_, filtre_, 1);
    }
    QString isaretler() const { // "1" ticked, "0" not, per row
        QString s;
        for (int i = 0; i < liste_.satirSayisi(); ++i) s += Secili_Mi(liste_, i) ? u'1' : u'0';
        return s;
    }

private slots:
    // Changes to the checks, then storing: "Hepsi" sets every option, any other
    // option clears "Hepsi", and an empty choice means all, never none.
    void degisikVeKayit_data() {
        sutunlar<QString, QString>("secenekler", "secim");
        QTest::addColumn<QList<int>>("cevrilenler"); // rows inverted in turn
        sutunlar<QString, QString, QString>("isaretler", "saklanan", "baslangic");
        const QString uc = QStringLiteral("Hepsi,01  /  Merkez,02  /  Depo,");
        satirEkle("hemen kapatma", uc, "", QList<int>{}, "111", "", "Hepsi");
        satirEkle("hepsi kaldir, depo sec", uc, "", QList<int>{0, 2}, "001", "02  /  Depo,", "Secimli");
        satirEkle("hepsi isaretliyken merkez", uc, "", QList<int>{1}, "001", "02  /  Depo,", "Secimli");
        satirEkle("hicbiri: hepsi", uc, "", QList<int>{0}, "000", "", "Hepsi");
        satirEkle("tek tek hepsini secmek", uc, "02  /  Depo,", QList<int>{1}, "011", "01  /  Merkez,02  /  Depo,", "Secimli");
        satirEkle("listede olmayan secim dusurulur", uc, "03  /  Yok,01  /  Merkez,", QList<int>{}, "010", "01  /  Merkez,", "Secimli");
        satirEkle("hepsi olmayan liste ilk satira dokunmaz", "a,b,c,", "a,", QList<int>{2}, "101", "a,c,", "Secimli");
    }
    void degisikVeKayit() {
        QFETCH(QString, secenekler);
        QFETCH(QString, secim);
        QFETCH(QList<int>, cevrilenler);
        QFETCH(QString, isaretler);
        QFETCH(QString, saklanan);
        QFETCH(QString, baslangic);
        ac(secenekler, secim);
        for (int s : cevrilenler) Secimi_Cevir(liste_, s);
        QCOMPARE(this->isaretler(), isaretler);
        Secimi_Kaydet(liste_, filtre_, 1);
        QCOMPARE(filtre_.hucre(1, Sutun::CoktanSecmeSecim), saklanan);
        QCOMPARE(filtre_.hucre(1, Sutun::Baslangic), baslangic);
        // Opening again shows what was stored.
        Secenekleri_Listele(liste_, filtre_, 1);
        QCOMPARE(this->isaretler(), saklanan.isEmpty() ? QString(isaretler.size(), u'1') : isaretler);
    }
};

QTEST_MAIN(TstSecimListesi)
#include "tst_secim_listesi.moc"
