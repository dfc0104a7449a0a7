#include "ortak/TestOrtami.h"
#include "platform/izgara/IzgaraModeli.h"
#include "query/Sorgu.h"

#include <QDate>
#include <QtTest>

namespace {

const QString kOrnekTemel =
    QStringLiteral("SELECT FATURA.Fatura_No,FATURA.Tarih,FATURA.Tutar From FATURA JOIN CARIKART ON (CARIKART.Cari_ID=FATURA.Cari_ID)");
const QStringList kOrnekSatirlar = {
    QStringLiteral("İşlem Tarihi;01/03/2012;31/03/2012;;FATURA.Tarih;;TR;True;;;"),
    QStringLiteral("Şehir;ANKARA;;;CARIKART.Sehir;;TK;True;;;"),
    QStringLiteral("Cari Kodu;Secimli;;;CARIKART.Cari_Kod;;CS;True;Hepsi,C001,C002,C003;C001,C002,;"),
    QStringLiteral("Cari Ünvanı;Hepsi;;;CARIKART.Unvan;;TK;True;;;"),
    QStringLiteral("Grupla;Cari Ünvanı;;;;;;False;;;"),
    QStringLiteral("Sıralama Türü;Z/A;;;;;;False;;;"),
    QStringLiteral("Sıralama Seçimi;İşlem Tarihi;;;;;;False;;;"),
};
const QString kOrnekSonuc =
    QStringLiteral("SELECT CARIKART.Unvan,FATURA.Fatura_No,FATURA.Tarih,FATURA.Tutar From FATURA JOIN CARIKART ON "
                   "(CARIKART.Cari_ID=FATURA.Cari_ID AND CARIKART.Sehir='ANKARA') WHERE FATURA.Tarih >= '03/01/2012' AND "
                   "FATURA.Tarih <= '03/31/2012' AND (CARIKART.Cari_Kod='C001' OR CARIKART.Cari_Kod='C002') GROUP BY "
                   "FATURA.Fatura_No, CARIKART.Unvan ORDER BY CARIKART.Unvan, FATURA.Tarih DESC");

constexpr int kBuYil = 2031;
QString buYil() { return QString::number(kBuYil); }

std::vector<FiltreSatiri> satirlarAyir(const QStringList& satirlar) {
    std::vector<FiltreSatiri> v;
    for (const QString& s : satirlar) {
        const std::optional<FiltreSatiri> deger = Filtre_Satiri_Ayir(s);
        if (!deger) throw std::runtime_error(("rejected: " + s).toStdString());
        v.push_back(*deger);
    }
    return v;
}

} // namespace

class TstSorgu : public QObject {
    Q_OBJECT

    SorguOrtami ortam_;
    SorguSonucu son_;

    // Composes without a grid or the run-wide record.
    QString olustur(const QString& temel, const QStringList& satirlar, const QString& grup = {}, SorguDurumu onceki = {}) {
        ortam_.TemelSQL = temel;
        ortam_.GroupSQL = grup;
        son_ = Sorgu_Birlestir(ortam_, std::move(onceki), satirlarAyir(satirlar));
        return son_.durum.RaporSQL;
    }

private slots:
    void init() {
        ortam_ = SorguOrtami{};
        ortam_.OndalikAyirac = QStringLiteral(",");
        ortam_.BinlikAyirac = QStringLiteral(".");
        ortam_.buYil = kBuYil;
        son_ = SorguSonucu{};
    }

    void ornekSorgu() {
        QCOMPARE(olustur(kOrnekTemel, kOrnekSatirlar, QStringLiteral(" GROUP BY FATURA.Fatura_No")), kOrnekSonuc);
        const SorguDurumu& d = son_.durum;
        QCOMPARE(d.GrupAlani, QStringLiteral("Unvan"));
        QCOMPARE(d.GrupTablosu, QStringLiteral("CARIKART."));
        QCOMPARE(d.GrupAdi, QStringLiteral("Cari Ünvanı"));
        QCOMPARE(d.HataMesaji, QString());
    }

    void kosullar_data() {
        sutunlar<QString, QStringList, QString, QString>("temel", "satirlar", "beklenen", "mesaj");
        const QString st = QStringLiteral("SELECT * From STOKKART");
        const QString jn = QStringLiteral("SELECT * From F JOIN STOKKART ON (STOKKART.ID=F.ID)");
        satirEkle("aralik sayisal, where", st, QStringList{"KDV;8;18;1;STOKKART.KDV;;GR;True;;;"},
                  st + " WHERE STOKKART.KDV >=8 AND STOKKART.KDV<=18", "");
        satirEkle("aralik join icinde", jn, QStringList{"KDV;8;18;1;STOKKART.KDV;;GR;True;;;"},
                  "SELECT * From F JOIN STOKKART ON (STOKKART.ID=F.ID AND STOKKART.KDV >=8 AND STOKKART.KDV <=18)", "");
        satirEkle("aralik metin, var olan where", "SELECT * From CARIKART WHERE 1=1",
                  QStringList{"Cari Kodu;A100;;;CARIKART.Cari_Kod;;GR;True;;;"},
                  "SELECT * From CARIKART WHERE 1=1 AND CARIKART.Cari_Kod >='A100'", "");
        satirEkle("sayisal olmayan deger silinir", st, QStringList{"KDV;abc;18;1;STOKKART.KDV;;GR;True;;;"}, st + " WHERE STOKKART.KDV<=18",
                  "");
        satirEkle("turkce sayi bicimi gecer", st, QStringList{"Tutar;1.250,5;;1;STOKKART.Fiyat;;GR;True;;;"},
                  st + " WHERE STOKKART.Fiyat >=1.250,5", "");
        satirEkle("yalniz bitis where yazar, sonraki and", st,
                  QStringList{"KDV;;18;1;STOKKART.KDV;;GR;True;;;", "Ad;Çay;;;STOKKART.Stok_Ad;;TK;True;;;"},
                  st + " WHERE STOKKART.KDV<=18 AND STOKKART.Stok_Ad='Çay'", "");
        satirEkle("kucuk harf where", "SELECT * From X where a=1", QStringList{"Ad;b;;;X.Ad;;TK;True;;;"},
                  "SELECT * From X where a=1 AND X.Ad='b'", "");
        satirEkle("ic ice parantezli join", "SELECT * From F JOIN C ON ((C.a=F.a) AND (C.b=(F.b))) WHERE x=1",
                  QStringList{"Şehir;ANKARA;;;C.Sehir;;TK;True;;;"},
                  "SELECT * From F JOIN C ON ((C.a=F.a) AND (C.b=(F.b)) AND C.Sehir='ANKARA') WHERE x=1", "");
        satirEkle("kapanmayan join sona eklenir", "SELECT * From F JOIN C ON (C.a=F.a", QStringList{"Şehir;ANKARA;;;C.Sehir;;TK;True;;;"},
                  "SELECT * From F JOIN C ON (C.a=F.a AND C.Sehir='ANKARA'", "");
        satirEkle("kucuk harfli join taninmaz", "SELECT * From F join C on (C.a=F.a)", QStringList{"Şehir;ANKARA;;;C.Sehir;;TK;True;;;"},
                  "SELECT * From F join C on (C.a=F.a) WHERE C.Sehir='ANKARA'", "");
        satirEkle("parantezsiz join where", "SELECT * From F JOIN C ON C.a=F.a", QStringList{"Şehir;ANKARA;;;C.Sehir;;TK;True;;;"},
                  "SELECT * From F JOIN C ON C.a=F.a WHERE C.Sehir='ANKARA'", "");
        satirEkle("tarih yalniz bitis", "SELECT * From F", QStringList{"İşlem Tarihi;;31/03/2012;;F.Tarih;;TR;True;;;"},
                  "SELECT * From F WHERE F.Tarih <= '03/31/2012'", "");
        satirEkle("tarih join icinde, baslangic once", "SELECT * From F JOIN H ON (H.ID=F.ID)",
                  QStringList{"Tarih;01/03/2012;31/03/2012;;H.Tarih;;TR;True;;;"},
                  "SELECT * From F JOIN H ON (H.ID=F.ID AND H.Tarih >= '03/01/2012' AND H.Tarih <= '03/31/2012')", "");
        satirEkle("tarih yilsiz bu yil", "SELECT * From F", QStringList{"Tarih;01/03;;;F.Tarih;;TR;True;;;"},
                  "SELECT * From F WHERE F.Tarih >= '03/01/" + buYil() + "'", "");
        satirEkle("tarih iki haneli yil bu yil", "SELECT * From F", QStringList{"Tarih;01/03/12;;;F.Tarih;;TR;True;;;"},
                  "SELECT * From F WHERE F.Tarih >= '03/01/" + buYil() + "'", "");
        satirEkle("noktali tarih", "SELECT * From F", QStringList{"Tarih;15.03.2024;;;F.Tarih;;TR;True;;;"},
                  "SELECT * From F WHERE F.Tarih >= '03/15/2024'", "");
        satirEkle("olmayan tarih", "SELECT * From F", QStringList{"Tarih;31/02/2024;;;F.Tarih;;TR;True;;;"}, "SELECT * From F",
                  "Lütfen tarihi doğru giriniz");
        satirEkle("gecerli bitis mesaji siler", "SELECT * From F", QStringList{"Tarih;32/01/2024;31/01/2024;;F.Tarih;;TR;True;;;"},
                  "SELECT * From F WHERE F.Tarih <= '01/31/2024'", "");
        satirEkle("bitis tarihi kisa yil", "SELECT * From F", QStringList{"Son;01/03/12;;;F.Tarih;;BTR;True;;;"},
                  "SELECT * From F WHERE F.Tarih <= '03/01/12'", "Lütfen seneyi doğru giriniz");
        satirEkle("bitis tarihi join", "SELECT * From F JOIN H ON (H.ID=F.ID)", QStringList{"Son;05/06/2025;;;H.Tarih;;BTR;True;;;"},
                  "SELECT * From F JOIN H ON (H.ID=F.ID AND H.Tarih <= '06/05/2025')", "");
        satirEkle("esitlik hepsi farketmez bos", "SELECT * From F",
                  QStringList{"A;Hepsi;;;F.A;;TK;True;;;", "B;Farketmez;;;F.B;;TK;True;;;", "C;;;;F.C;;TK;True;;;"}, "SELECT * From F", "");
        satirEkle("esitlik sayisal olmayan", "SELECT * From F", QStringList{"A;x1;;1;F.A;;TK;True;;;"}, "SELECT * From F", "");
        satirEkle("esitlik tirnak ciftlenir", "SELECT * From F", QStringList{"Ünvan;O'Brien;;;F.Unvan;;TK;True;;;"},
                  "SELECT * From F WHERE F.Unvan='O''Brien'", "");
        satirEkle(
            "durum secenekleri", "SELECT * From F",
            QStringList{"A;Pasif;;;F.A;;OZ;True;;;", "B;Evet;;;F.B;;OZ;True;;;", "C;Hepsi;;;F.C;;OZ;True;;;", "D;Belki;;;F.D;;OZ;True;;;"},
            "SELECT * From F WHERE F.A=0 AND F.B=1", "");
        satirEkle("coklu secim kodlari", "SELECT * From F",
                  QStringList{"İşyeri Kodu;Secimli;;;F.Isyeri_Kodu;;CS;True;Hepsi,01  /  Merkez,02  /  Depo;01  /  Merkez,Hepsi,;"},
                  "SELECT * From F WHERE (F.Isyeri_Kodu='01  ')", "");
        satirEkle("coklu secim join disinda", "SELECT * From F JOIN C ON (C.ID=F.ID)",
                  QStringList{"Cari;Secimli;;1;C.No;;CS;True;Hepsi,3,7;3,7,;"},
                  "SELECT * From F JOIN C ON (C.ID=F.ID) WHERE (C.No=3 OR C.No=7)", "");
        satirEkle("coklu secim hepsi, kisitsiz", "SELECT * From F", QStringList{"Ambar No;Hepsi;;;F.Ambar;;CS;True;Hepsi,1,2;;"},
                  "SELECT * From F", "");
        satirEkle("coklu secim son virgulden sonrasi oge degil", "SELECT * From F WHERE 1=1",
                  QStringList{"X;Secimli;;;F.X;;CS;True;Hepsi,a,b;a,b;"}, "SELECT * From F WHERE 1=1 AND (F.X='a')", "");
        satirEkle("satir tipi etkin degil, yer tutucu kalir", "SELECT * From F WHERE (æ)", QStringList{"Satır Tipi;Hizmet;;;;;;False;;;"},
                  "SELECT * From F WHERE (æ)", "");
        satirEkle("satir tipi", "SELECT * From F WHERE (æ) OR (æ)", QStringList{"Satır Tipi;Hizmet;;;;;;True;;;"},
                  "SELECT * From F WHERE (FATURAHAREKET.Satir_Tipi='Hizmet') OR (FATURAHAREKET.Satir_Tipi='Hizmet')", "");
        // Only the template's own placeholder is replaced: a value's "æ" stays in its literal.
        satirEkle("degerdeki yer tutucu deger kalir", "SELECT * From F WHERE (æ)",
                  QStringList{"Ad;xæy'æ;;;F.Ad;;TK;True;;;", "Satır Tipi;Hizmet;;;;;;True;;;"},
                  "SELECT * From F WHERE (FATURAHAREKET.Satir_Tipi='Hizmet') AND F.Ad='xæy''æ'", "");
        satirEkle(
            "aralik ve coklu secimde yer tutucu", "SELECT * From F WHERE (æ)",
            QStringList{"Kod;æ;æ;;F.Kod;;GR;True;;;", "Tip;Secimli;;;F.Tip;;CS;True;Hepsi,æ,b;æ,b,;", "Satır Tipi;Hepsi;;;;;;True;;;"},
            "SELECT * From F WHERE (FATURAHAREKET.Satir_Tipi='Mal' OR FATURAHAREKET.Satir_Tipi='Hizmet' OR "
            "FATURAHAREKET.Satir_Tipi='Masraf'OR FATURAHAREKET.Satir_Tipi='İndirim') AND F.Kod >='æ' AND F.Kod<='æ' AND "
            "(F.Tip='æ' OR F.Tip='b')",
            "");
        satirEkle("satir tipi degerindeki yer tutucu", "SELECT * From F WHERE (æ)",
                  QStringList{"Satır Tipi;æ;;;;;;True;;;", "Satır Tipi;Mal;;;;;;True;;;"},
                  "SELECT * From F WHERE (FATURAHAREKET.Satir_Tipi='æ')", "");
        satirEkle("bos baslik ilk gecisi bitirir", "SELECT * From F", QStringList{"A;1;;;F.A;;TK;True;;;", "", "B;2;;;F.B;;TK;True;;;"},
                  "SELECT * From F WHERE F.A='1'", "");
        satirEkle("gizli olmayan ama girsin bos", "SELECT * From F", QStringList{"A;1;;;F.A;;TK;;;;"}, "SELECT * From F", "");
        satirEkle("bakiye virgul ve ikinci virgul", "SELECT * From F", QStringList{"Bakiye Aralığı;1,5;2,5,7;;SUM(F.B);;GR;False;;;"},
                  "SELECT * From F HAVING ISNULL(SUM(F.B),0) >='1.5' AND ISNULL(SUM(F.B),0)<='2.5'", "");
        satirEkle("bakiye yalniz bitis", "SELECT * From F", QStringList{"Bakiye Aralığı;;300;1;SUM(F.B);;GR;False;;;"},
                  "SELECT * From F HAVING ISNULL(SUM(F.B),0)<=300", "");
    }
    void kosullar() {
        QFETCH(QString, temel);
        QFETCH(QStringList, satirlar);
        QFETCH(QString, beklenen);
        QFETCH(QString, mesaj);
        QCOMPARE(olustur(temel, satirlar), beklenen);
        QCOMPARE(son_.durum.HataMesaji, mesaj);
    }

    // The grid step: reads the grid's rows, writes the normalised cells back,
    // and carries the earlier state on.
    void izgaraVeKayit() {
        SorguOrtami o;
        o.OndalikAyirac = QStringLiteral(",");
        o.BinlikAyirac = QStringLiteral(".");
        o.TemelSQL = QStringLiteral("SELECT * From F");
        o.buYil = QDate::currentDate().year();
        SorguDurumu d;
        d.DetayGoster = true;
        IzgaraModeli grid;
        filtreSatirlari(grid,
                        {QStringLiteral("Son;01/03/12;;;F.Tarih;;BTR;True;;;"), QStringLiteral("Tarih;01/03;;;F.Tarih;;TR;False;;;"),
                         QStringLiteral("KDV;abc;;1;S.KDV;;GR;True;;;"), QStringLiteral("Bakiye Aralığı;;2,5,7;;SUM(F.B);;GR;False;;;")});
        d = Sorgu_Olustur(grid, o, d);
        QCOMPARE(d.HataMesaji, KosulMesaji::sene());
        QCOMPARE(d.RaporSQL, QStringLiteral("SELECT * From F WHERE F.Tarih <= '03/01/12' HAVING ISNULL(SUM(F.B),0)<='2.5'"));
        QVERIFY(d.DetayGoster);
        QCOMPARE(grid.hucre(2, Sutun::Baslangic), QStringLiteral("01/03")); // inactive: untouched
        QCOMPARE(grid.hucre(3, Sutun::Baslangic), QString());
        QCOMPARE(grid.hucre(4, Sutun::Bitis), QStringLiteral("2,5")); // what follows a second comma goes

        // A hidden row takes no part; a corrected date clears the message.
        grid.satirGizle(3, true);
        grid.hucreYaz(3, Sutun::Baslangic, QStringLiteral("x"));
        grid.hucreYaz(1, Sutun::Baslangic, QStringLiteral("01/03/2012"));
        grid.hucreYaz(2, Sutun::Girsin, QStringLiteral("True"));
        d = Sorgu_Olustur(grid, o, d);
        QCOMPARE(d.HataMesaji, QString());
        QCOMPARE(d.RaporSQL, QStringLiteral("SELECT * From F WHERE F.Tarih <= '03/01/2012' AND F.Tarih >= '03/01/") +
                                 QString::number(QDate::currentDate().year()) + QStringLiteral("' HAVING ISNULL(SUM(F.B),0)<='2.5'"));
        QCOMPARE(grid.hucre(2, Sutun::Baslangic), QStringLiteral("01/03/") + QString::number(QDate::currentDate().year()));
        QCOMPARE(grid.hucre(3, Sutun::Baslangic), QStringLiteral("x"));
        QVERIFY(grid.satirGizliMi(3));
    }

    void kisitliCokluSecim_data() {
        sutunlar<QString, bool, QString>("baslik", "bagli", "beklenen");
        satirEkle("kisitli isyeri", "İşyeri Kodu", true, " WHERE (F.I=3 OR F.I=7)");
        satirEkle("bayrak kapali", "İşyeri Kodu", false, "");
        satirEkle("kisitli ambar", "Ambar No", true, " WHERE (F.I=3 OR F.I=7)");
        satirEkle("kisitlanmayan baslik", "Depo", true, "");
    }
    void kisitliCokluSecim() {
        QFETCH(QString, baslik);
        QFETCH(bool, bagli);
        QFETCH(QString, beklenen);
        ortam_.IsyeriListesi = ortam_.AmbarListesi = QStringLiteral("IN('3','7')");
        ortam_.IsyeriYetkiyeBagli = ortam_.AmbarYetkiyeBagli = bagli;
        QCOMPARE(olustur(QStringLiteral("SELECT * From F"), {baslik + QStringLiteral(";Hepsi;;1;F.I;;CS;True;Hepsi,3,7;;")}),
                 QStringLiteral("SELECT * From F") + beklenen);
    }

    void raporSecenekleri() {
        olustur(QStringLiteral("SELECT * From F"),
                {QStringLiteral("Sayfa;Ayrı Sayfaya;;;;;BL;True;;;"), QStringLiteral("Detay;Evet;;;;;DT;True;;;"),
                 QStringLiteral("Satır Çizgisi Ekle;Evet;;;;;;False;;;"), QStringLiteral("Genel Rapor Toplamı;Evet;;;;;;False;;;"),
                 QStringLiteral("Fatura Açıklamasını Göster;evet;;;;;;False;;;")});
        const SorguDurumu d = son_.durum;
        QVERIFY(d.AyriSayfaya);
        QVERIFY(d.DetayGoster);
        QVERIFY(d.SatirCizgisiEkle);
        QVERIFY(d.GenelRaporToplami);
        QVERIFY(!d.FaturaAciklamasiGoster); // "Evet" only, exactly
        olustur(QStringLiteral("SELECT * From F"), {QStringLiteral("Sayfa;Hepsi;;;;;BL;True;;;")}, {}, d);
        QVERIFY(!son_.durum.AyriSayfaya);
        QVERIFY(son_.durum.DetayGoster);
    }

    void gruplamaVeSiralama_data() {
        sutunlar<QString, QString, QStringList, QString>("temel", "grup", "satirlar", "beklenen");
        const QString t = QStringLiteral("SELECT F.No,F.Tarih From F");
        satirEkle("gruplama yok, sadece siralama", t, " GROUP BY F.No",
                  QStringList{"Tarih;;;;F.Tarih;;TR;True;;;", "Grupla;Gruplama Yok;;;;;;False;;;", "Sıralama Seçimi;Tarih;;;;;;False;;;"},
                  t + " GROUP BY F.No ORDER BY F.Tarih");
        satirEkle("secim kisminda olan sutun eklenmez", t, " GROUP BY F.No",
                  QStringList{"Tarih;;;;G.Tarih;;TR;True;;;", "Grupla;Tarih;;;;;;False;;;"}, t + " GROUP BY F.No, G.Tarih");
        satirEkle("bos grup cumlesi", t, "", QStringList{"Şehir;Hepsi;;;C.Sehir;;TK;True;;;", "Grupla;Şehir;;;;;;False;;;"},
                  "SELECT C.Sehir,F.No,F.Tarih From F");
        satirEkle("grup sutununa gore siralama bir kez", t, "",
                  QStringList{"Şehir;Hepsi;;;C.Sehir;;TK;True;;;", "Grupla;Şehir;;;;;;False;;;", "Sıralama Türü;Z/A;;;;;;False;;;",
                              "Sıralama Seçimi;Şehir;;;;;;False;;;"},
                  "SELECT C.Sehir,F.No,F.Tarih From F ORDER BY C.Sehir DESC");
        satirEkle("ayni baslikli iki hedef, alttaki kazanir", t, "",
                  QStringList{"Kod;Hepsi;;;A.Kod;;TK;True;;;", "Kod;Hepsi;;;B.Kod;;TK;True;;;", "Grupla;Kod;;;;;;False;;;"},
                  "SELECT B.Kod,F.No,F.Tarih From F");
        satirEkle("iki siralama hedefi, ustteki kazanir", t, "",
                  QStringList{"Kod;Hepsi;;;A.Kod;;TK;True;;;", "Kod;Hepsi;;;B.Kod;;TK;True;;;", "Sıralama Seçimi;Kod;;;;;;False;;;"},
                  t + " ORDER BY A.Kod");
        satirEkle("olmayan siralama hedefi", t, "", QStringList{"Sıralama Seçimi;Yok;;;;;;False;;;"}, t);
        satirEkle("altta kalan yon satiri etkisiz", t, "",
                  QStringList{"Tarih;;;;F.Tarih;;TR;True;;;", "Sıralama Seçimi;Tarih;;;;;;False;;;", "Sıralama Türü;Z/A;;;;;;False;;;"},
                  t + " ORDER BY F.Tarih");
        satirEkle("bos satirdan sonraki gruplama yine gorulur", t, " GROUP BY F.No",
                  QStringList{"", "Kod;Hepsi;;;C.Kod;;TK;True;;;", "Grupla;Kod;;;;;;False;;;"},
                  "SELECT C.Kod,F.No,F.Tarih From F GROUP BY F.No, C.Kod");
        satirEkle("FROM buyuk harf bulunmaz", "SELECT C.Kod From C", "",
                  QStringList{"Kod;Hepsi;;;C.Kod;;TK;True;;;", "Grupla;Kod;;;;;;False;;;"}, "SELECT C.Kod From C");
        satirEkle("from yoksa hep eklenir", "SELECT C.Kod FROM C", "",
                  QStringList{"Kod;Hepsi;;;C.Kod;;TK;True;;;", "Grupla;Kod;;;;;;False;;;"}, "SELECT C.Kod,C.Kod FROM C");
        satirEkle("noktasiz alan", t, " GROUP BY F.No",
                  QStringList{"Kod;Hepsi;;;Kod;;TK;True;;;", "Grupla;Kod;;;;;;False;;;", "Sıralama Seçimi;Kod;;;;;;False;;;"},
                  "SELECT Kod,F.No,F.Tarih From F GROUP BY F.No, Kod ORDER BY Kod");
    }
    void gruplamaVeSiralama() {
        QFETCH(QString, temel);
        QFETCH(QString, grup);
        QFETCH(QStringList, satirlar);
        QFETCH(QString, beklenen);
        QCOMPARE(olustur(temel, satirlar, grup), beklenen);
    }
};

QTEST_MAIN(TstSorgu)
#include "tst_sorgu.moc"
