#include "filterform/FiltreFormu.h"
#include "filterform/FiltreIzgarasi.h"
#include "filterform/SecimListesi.h"
#include "filterform/TopluFiltre.h"
#include "ortak/TestOrtami.h"
#include "platform/veritabani/KayitSeti.h"
#include "bant/VeritabaniHatasi.h"
#include "query/Sorgu.h"
#include "startup/BolgeselAyar.h"
#include "startup/ProgramSonu.h"
#include "startup/Veritabani.h"

#include <QtTest>

namespace {
const QString kDemoSablon = QStringLiteral(FATURA_KAYNAK_DIZINI "/data/Master.mtr");
}

class TstFiltreFormu : public QObject {
    Q_OBJECT

    std::unique_ptr<GeciciSunucu> sunucu_;
    std::unique_ptr<KayitliMesajlar> kutular_;
    std::unique_ptr<SahteSistem> sistem_;
    std::unique_ptr<FiltreFormu> form_;
    std::shared_ptr<Oturum> oturum_;
    SorguDurumu durum_; // the last composition

    IzgaraModeli& g() { return form_->FiltreGrd; }
    int satir(const QString& baslik) { return g().satirBul(Sutun::FiltreLbl, baslik); }
    int sutun(const QString& anahtar) { return g().sutunNo(anahtar); }

    // A demo form as the user finds it: template read, look-ups filled.
    void demoFormu(int kullanici = 1) {
        oturum_ = demoOturumu(*sunucu_);
        oturum_->giris.Kullanici_ID = kullanici;
        if (kullanici == 2) {
            oturum_->firma.IsyeriYetkiyeBagli = oturum_->firma.AmbarYetkiyeBagli = true;
            oturum_->kisitlar = {QStringLiteral("IN('01','03')"), QStringLiteral("IN('1','4')")};
        }
        form_ = std::make_unique<FiltreFormu>(Liste_Ortami(*oturum_));
        QCOMPARE(form_->yukle(kDemoSablon), QString());
        form_->etkinlestir();
    }

    // Composes and runs the statement to its end; the number of rows.
    int calistir() {
        durum_ = Sorgu_Olustur(g(), Sorgu_Ortami(*oturum_, form_->sablon()), durum_);
        if (!durum_.HataMesaji.isEmpty()) throw std::runtime_error(durum_.HataMesaji.toStdString());
        auto imlec = oturum_->baglanti->sorgula(durum_.RaporSQL);
        QList<Deger> s;
        int n = 0;
        while (imlec->sonraki(s)) ++n;
        return n;
    }

private slots:
    void initTestCase() { sunucu_ = std::make_unique<GeciciSunucu>(200); }
    void init() {
        kutular_ = std::make_unique<KayitliMesajlar>();
        sistem_ = std::make_unique<SahteSistem>();
        bolgeselAyarla();
    }
    void cleanup() { form_.reset(); }

    void kayitKurallari() {
        demoFormu();
        const int gr = satir(QStringLiteral("Net Tutar"));
        form_->duzenle(gr, Sutun::Baslangic, QStringLiteral("100"));
        QCOMPARE(g().hucre(gr, Sutun::Bitis), QStringLiteral("100"));
        form_->duzenle(gr, Sutun::Bitis, QStringLiteral("200"));
        QCOMPARE(g().hucre(gr, Sutun::Baslangic), QStringLiteral("100"));
        QCOMPARE(g().hucre(gr, Sutun::Bitis), QStringLiteral("200"));
        const int grupla = satir(QStringLiteral("Grupla"));
        const int toplam = satir(QStringLiteral("Genel Rapor Toplamı"));
        form_->duzenle(grupla, Sutun::Baslangic, QStringLiteral("Şehir"));
        QCOMPARE(g().hucre(toplam, Sutun::Baslangic), QStringLiteral("Evet"));
        form_->duzenle(grupla, Sutun::Baslangic, QStringLiteral("Gruplama Yok"));
        QCOMPARE(g().hucre(toplam, Sutun::Baslangic), QStringLiteral("Hayır"));
    }

    // Delete resets the current cell: a row with a drop-down takes the list's
    // first item, a multiple-choice row all options, any other row nothing.
    void silTusu_data() {
        sutunlar<QString, QString>("baslik", "beklenen");
        satirEkle("yalniz secilen liste", "Cari Grup Kodu", "Hepsi");
        satirEkle("serbest liste", "Cari Kodu", "");
        satirEkle("evet hayir", "Genel Rapor Toplamı", "Evet");
        satirEkle("listesiz", "Fiş No", "");
        satirEkle("coklu secim", "Ambar No", "Hepsi");
    }
    void silTusu() {
        QFETCH(QString, baslik);
        QFETCH(QString, beklenen);
        demoFormu();
        const int s = satir(baslik);
        const bool coklu = form_->cokluSecimSatiri(s);
        if (coklu)
            form_->secimiKaydet(s, {form_->secenekler(s).at(1)});
        else {
            g().hucreYaz(s, Sutun::Baslangic, QStringLiteral("C-100"));
            g().hucreYaz(s, Sutun::Bitis, QStringLiteral("C-200"));
        }
        const QString bitis = g().hucre(s, Sutun::Bitis);
        g().gecerliHucreAyarla(s, sutun(Sutun::Baslangic));
        form_->Sil();
        QCOMPARE(g().hucre(s, Sutun::Baslangic), beklenen);
        QCOMPARE(g().hucre(s, Sutun::Bitis), bitis); // the other cell is left alone
        QVERIFY(!form_->secimAcik());
        if (coklu) QCOMPARE(g().hucre(s, Sutun::CoktanSecmeSecim), QString());
    }

    void topluDuzenlemeHatalari_data() {
        using T = KomutSatiri::Duzenleme::Tur;
        sutunlar<int, QString, QString>("tur", "baslik", "deger");
        satirEkle("olmayan baslik", int(T::Baslangic), "Yok Böyle", "x");
        satirEkle("secmeli listede olmayan", int(T::Baslangic), "Şehir", "Atlantis");
        satirEkle("olmayan secenek", int(T::Secim), "Ambar No", "9");
        satirEkle("girsin dogruluk degeri degil", int(T::Aktif), "Şehir", "Belki");
    }
    void topluDuzenlemeHatalari() {
        QFETCH(int, tur);
        QFETCH(QString, baslik);
        QFETCH(QString, deger);
        demoFormu();
        bool hata = false;
        try {
            Toplu_Duzenlemeleri_Uygula(*form_, {{KomutSatiri::Duzenleme::Tur(tur), baslik, deger}});
        } catch (const KullanimHatasi& h) {
            hata = true;
            QVERIFY(h.metin.contains(baslik) || h.metin.contains(deger));
        }
        QVERIFY(hata);
    }

    void topluSecimKodla() {
        demoFormu();
        using T = KomutSatiri::Duzenleme::Tur;
        // The list of Şehir is not read yet: the value is looked up alone.
        const QString sehir = QStringLiteral("İstanbul");
        Toplu_Duzenlemeleri_Uygula(*form_, {{T::Secim, QStringLiteral("Ambar No"), QStringLiteral("1;4  /  İzmir Depo")},
                                            {T::Baslangic, QStringLiteral("Şehir"), sehir},
                                            {T::Aktif, QStringLiteral("Şehir"), QStringLiteral("false")}});
        const int s = satir(QStringLiteral("Ambar No"));
        QCOMPARE(g().hucre(s, Sutun::CoktanSecmeSecim), QStringLiteral("1  /  Merkez Depo,4  /  İzmir Depo,"));
        QCOMPARE(g().hucre(satir(QStringLiteral("Şehir")), Sutun::Baslangic), sehir);
        QCOMPARE(g().hucre(satir(QStringLiteral("Şehir")), Sutun::Girsin), QStringLiteral("False"));
    }

    // Every filter of the demo template, set alone to a typical value, gives
    // a statement that runs on the demo company.
    void herFiltreTekBasina_data() {
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<int>("secenek"); // which option of the row's list (1: first after "Hepsi")
        FiltreFormu form({});
        form.yukle(kDemoSablon);
        for (int s = 1; s < form.FiltreGrd.satirSayisi(); ++s) {
            const QString b = form.FiltreGrd.hucre(s, Sutun::FiltreLbl);
            if (b.isEmpty()) continue;
            const int kac = b == QLatin1String("Grupla") || b == QLatin1String("Sıralama Seçimi") ? 5 : 1;
            for (int i = 1; i <= kac; ++i) satirEkle(qPrintable(QStringLiteral("%1 #%2").arg(b).arg(i)), b, i);
        }
    }
    void herFiltreTekBasina() {
        QFETCH(QString, baslik);
        QFETCH(int, secenek);
        demoFormu(2);
        const int s = satir(baslik);
        const QString tip = g().hucre(s, Sutun::Tip);
        const QStringList liste = g().hucre(s, Sutun::Secenek).split(u'|', Qt::SkipEmptyParts);
        if (form_->cokluSecimSatiri(s)) {
            form_->secimiKaydet(s, {form_->secenekler(s).value(secenek)});
            QCOMPARE(g().hucre(s, Sutun::Baslangic), QStringLiteral("Secimli"));
        } else if (tip == QLatin1String("TR")) {
            form_->duzenle(s, Sutun::Baslangic, QStringLiteral("01/01/2025"));
            form_->duzenle(s, Sutun::Bitis, QStringLiteral("31/12/2025"));
        } else if (tip == QLatin1String("BTR")) {
            form_->duzenle(s, Sutun::Baslangic, QStringLiteral("30/06/2025"));
        } else if (tip == QLatin1String("GR")) {
            const bool sayisal = g().hucre(s, Sutun::Ayirac) == QLatin1String("1");
            form_->duzenle(s, Sutun::Baslangic, sayisal ? QStringLiteral("100") : QStringLiteral("AF2025000001"));
            form_->duzenle(s, Sutun::Bitis, sayisal ? QStringLiteral("50000") : QStringLiteral("SF2026999999"));
        } else if (!liste.isEmpty()) {
            const bool hepsiIle = liste.first() == QLatin1String("Hepsi") || liste.first() == QLatin1String("Gruplama Yok");
            form_->duzenle(s, Sutun::Baslangic, liste.value(qMin(secenek - (hepsiIle ? 0 : 1), int(liste.size()) - 1)));
        }
        try {
            calistir();
        } catch (const std::exception& e) { QFAIL(qPrintable(QString::fromUtf8(e.what()) + QStringLiteral("\n") + durum_.RaporSQL)); }
        QVERIFY2(!durum_.RaporSQL.contains(u'æ'), qPrintable(durum_.RaporSQL));
    }
};

QTEST_MAIN(TstFiltreFormu)
#include "tst_filtre_formu.moc"
