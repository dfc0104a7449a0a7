#include "filterform/FiltreIzgarasi.h"
#include "filterform/SecimListesi.h"
#include "ortak/TestOrtami.h"
#include "platform/izgara/IzgaraModeli.h"

#include <QtTest>

// The selection list of multiple-choice rows without its window: filling,
// marking, the "Hepsi" rule, storing, and its place on the form.
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
    QStringList secenekler() const {
        QStringList l;
        for (int s = 0; s < liste_.satirSayisi(); ++s) l << liste_.hucre(s, SecimSutun::Tip);
        return l;
    }
    QString isaretler() const { // "1" ticked, "0" not, per row
        QString s;
        for (int i = 0; i < liste_.satirSayisi(); ++i) s += Secili_Mi(liste_, i) ? u'1' : u'0';
        return s;
    }

private slots:
    void listeleme_data() {
        sutunlar<QString, QString, QStringList, QString>("secenekler", "secim", "satirlar", "isaretler");
        const QString uc = QStringLiteral("Hepsi,01  /  Merkez,02  /  Depo,");
        satirEkle("secim yok: hepsi isaretli", uc, "", QStringList{"Hepsi", "01  /  Merkez", "02  /  Depo"}, "111");
        satirEkle("saklanan secim", uc, "02  /  Depo,", QStringList{"Hepsi", "01  /  Merkez", "02  /  Depo"}, "001");
        satirEkle("listede olmayan secim yok sayilir", uc, "03  /  Yok,01  /  Merkez,",
                  QStringList{"Hepsi", "01  /  Merkez", "02  /  Depo"}, "010");
        satirEkle("sonlanmamis kalan yok sayilir", uc, "01  /  Merkez,02  /  Depo", QStringList{"Hepsi", "01  /  Merkez", "02  /  Depo"},
                  "010");
        satirEkle("son virgulsuz liste", "Hepsi,a,b", "", QStringList{"Hepsi", "a", "b"}, "111");
        satirEkle("iki virgul bos secenek", "Hepsi,a,,b,", "", QStringList{"Hepsi", "a", "", "b"}, "1111");
        satirEkle("bos secenek secilebilir", "Hepsi,a,,b,", ",", QStringList{"Hepsi", "a", "", "b"}, "0010");
    }
    void listeleme() {
        QFETCH(QString, secenekler);
        QFETCH(QString, secim);
        QFETCH(QStringList, satirlar);
        QFETCH(QString, isaretler);
        ac(secenekler, secim);
        QCOMPARE(this->secenekler(), satirlar);
        QCOMPARE(this->isaretler(), isaretler);
    }

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
        satirEkle("hepsi yeniden", uc, "02  /  Depo,", QList<int>{0}, "111", "", "Hepsi");
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

    void yer_data() {
        sutunlar<QRect, int, int, QRect>("hucre", "secenek", "form", "beklenen");
        // Rows of 240 twips; the cell 2400..2640 at x 2265.
        const QRect h(2265, 2400, 3180, 240);
        satirEkle("altta yer var", h, 5, 9600, QRect(2265, 2640, 3525, 1250));
        satirEkle("altta 500 pay kalmaz, ustte yer var", QRect(2265, 7000, 3180, 240), 10, 9600, QRect(2265, 4550, 3525, 2450));
        satirEkle("6500 ustu kesilir, kaydirma cubugu", QRect(2265, 200, 3180, 240), 40, 9600, QRect(2265, 440, 3675, 6500));
        satirEkle("ustte daha cok yer: kesilip ustte", QRect(2265, 5000, 3180, 240), 30, 7000, QRect(2265, 0, 3675, 5000));
        satirEkle("altta daha cok yer: kesilip altta", QRect(2265, 1000, 3180, 240), 30, 7000, QRect(2265, 1240, 3675, 5260));
    }
    void yer() {
        QFETCH(QRect, hucre);
        QFETCH(int, secenek);
        QFETCH(int, form);
        QFETCH(QRect, beklenen);
        QCOMPARE(Liste_Yeri(hucre, 240, secenek, form), beklenen);
    }
};

QTEST_MAIN(TstSecimListesi)
#include "tst_secim_listesi.moc"
