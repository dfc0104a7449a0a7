// The report engine on its own: rows from an in-memory cursor, no database,
// no program code.
#include "TestYardimi.h"
#include "bant/BellekImleci.h"
#include "bant/HedefDosya.h"
#include "bant/MetinKuyrugu.h"
#include "bant/MetinDosyasi.h"
#include "bant/Satirlar.h"
#include "bant/RaporBelgesi.h"
#include "bant/RaporMotoru.h"
#include "bant/SayfaCizici.h"
#include "Sigdirma.h"
#include "bant/VeritabaniHatasi.h"
#include "bant/Cp1254.h"
#include "bant/PdfDosyasi.h"
#include "bant/SayfaAlicilari.h"

#include <QImage>
#include <QTemporaryDir>
#include <QPainter>
#include <QtTest>
#include <limits>
#include <stdexcept>

using namespace Bant;

namespace {

Kontrol alan(const char* ad, const char* veri, int ust = 0) {
    Kontrol k;
    k.ad = QString::fromLatin1(ad);
    k.tur = Kontrol::Tur::Alan;
    k.veriAlani = QString::fromLatin1(veri);
    k.ust = ust, k.genislik = 2000, k.yukseklik = 240;
    return k;
}

Kontrol ozet(const char* ad, Kontrol::OzetTuru tur, Kontrol::Kapsam kapsam) {
    Kontrol k = alan(ad, "Tutar");
    k.tur = Kontrol::Tur::Ozet;
    k.ozetTuru = tur;
    k.kapsam = kapsam;
    if (tur == Kontrol::OzetTuru::Toplam) k.cikisBicimi = QStringLiteral("#,##0.00");
    return k;
}

// Groups by "Grup" with a count and a total per group and for the report.
class DenemeBelgesi : public RaporBelgesi {
public:
    DenemeBelgesi(QList<QList<Deger>> satirlar) {
        Detail.yukseklik = 240;
        Detail.kontroller = {alan("kod", "Kod"), alan("tutar", "Tutar")};
        GroupHeader1.grupAlani = QStringLiteral("Grup");
        GroupHeader1.yukseklik = 240;
        GroupHeader1.kontroller = {alan("grup", "Grup")};
        GroupFooter1.yukseklik = 240;
        GroupFooter1.kontroller = {ozet("grupSayisi", Kontrol::OzetTuru::Sayi, Kontrol::Kapsam::Grup),
                                   ozet("grupToplami", Kontrol::OzetTuru::Toplam, Kontrol::Kapsam::Grup)};
        ReportFooter.yukseklik = 240;
        ReportFooter.kontroller = {ozet("genelToplam", Kontrol::OzetTuru::Toplam, Kontrol::Kapsam::Rapor)};
        veri = [satirlar] { return std::make_unique<BellekImleci>(QStringList{"Grup", "Kod", "Tutar"}, satirlar); };
    }
    QStringList olaylar;
    void ActiveReport_ReportStart() override { olaylar << "ReportStart"; }
    void PageHeader_Format() override { olaylar << "PageHeader"; }
    void Detail_Format() override { olaylar << "Detail"; }
    void GroupFooter1_Format() override { olaylar << "GroupFooter"; }
    void PageFooter_Format() override { olaylar << "PageFooter"; }
    void ActiveReport_ReportEnd() override { olaylar << "ReportEnd"; }
};

QList<Deger> satir(const char* grup, const char* kod, const char* tutar) {
    return {Deger::metinden(QString::fromLatin1(grup)), Deger::metinden(QString::fromLatin1(kod)),
            Deger::paradan(Para::metinden(QString::fromLatin1(tutar)).value())};
}

QStringList metinler(const QList<Sayfa>& sayfalar, const QString& ad) {
    QStringList l;
    for (const Sayfa& p : sayfalar)
        for (const SayfaOgesi& o : p.ogeler)
            if (o.ad == ad) l << o.metin;
    return l;
}

// A small list for the exports: a page header with captions, a code, a
// name and a right-aligned amount per row, a total; two rows per page.
class ListeBelgesi : public RaporBelgesi {
public:
    explicit ListeBelgesi(QList<QList<Deger>> satirlar) {
        auto konum = [](Kontrol k, int sol, int ust, int genislik, Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignTop) {
            k.sol = sol, k.ust = ust, k.genislik = genislik, k.hiza = hiza;
            return k;
        };
        Kontrol baslik;
        baslik.tur = Kontrol::Tur::Etiket;
        baslik.yukseklik = 240;
        auto etiket = [&](const char* metin, int sol, int ust, int genislik, Qt::Alignment hiza = Qt::AlignLeft | Qt::AlignTop) {
            Kontrol k = konum(baslik, sol, ust, genislik, hiza);
            k.ad = k.metin = QString::fromUtf8(metin);
            return k;
        };
        PageHeader.yukseklik = 720;
        PageHeader.kontroller = {etiket("ŞUBE LİSTESİ", 0, 0, 3000), etiket("KOD", 0, 480, 900), etiket("AD", 1800, 475, 2700),
                                 etiket("TUTAR", 4500, 480, 1800, Qt::AlignRight | Qt::AlignTop)};
        Detail.yukseklik = 240;
        Kontrol tutar = konum(alan("tutar", "Tutar"), 4500, 0, 1800, Qt::AlignRight | Qt::AlignTop);
        tutar.cikisBicimi = QStringLiteral("#,##0.00");
        Detail.kontroller = {konum(alan("kod", "Kod"), 0, 0, 900), konum(alan("ad", "Grup"), 1800, 0, 2700), tutar};
        ReportFooter.yukseklik = 240;
        Kontrol toplam =
            konum(ozet("toplam", Kontrol::OzetTuru::Toplam, Kontrol::Kapsam::Rapor), 4500, 0, 1800, Qt::AlignRight | Qt::AlignTop);
        ReportFooter.kontroller = {etiket("Toplam :", 1800, 0, 2700), toplam};
        // Room for the header and two rows: the third row and the total go to page 2.
        sayfaAyari.yukseklik = sayfaAyari.ustKenar + 720 + 2 * 240 + sayfaAyari.altKenar;
        veri = [satirlar] { return std::make_unique<BellekImleci>(QStringList{"Grup", "Kod", "Tutar"}, satirlar); };
    }
};

} // namespace

class TstRaporMotoru : public QObject {
    Q_OBJECT

private slots:
    // The text export: fixed columns from the positions, or the texts joined
    // by the field separator; the page separator between pages; vertical gaps
    // as empty lines unless hidden; Windows-1254 or UTF-8 with its mark.
    void metinAktarimi_data() {
        sutunlar<QString, QString, bool, bool, QString>("alanAyiraci", "sayfaAyiraci", "gizle", "evrensel", "beklenen");
        // Columns at 90 twips a character: AD from 1800 is column 20, TUTAR ends at 6300, column 70.
        satirEkle(
            "sabit kolonlar", "", "", false, false,
            QStringLiteral("ŞUBE LİSTESİ\r\n\r\nKOD                 AD                                           TUTAR\r\nC1            "
                           "      Işık                                          1,50\r\nC2                  Çınar                       "
                           "          1.234.567,89\r\n\r\nŞUBE LİSTESİ\r\n\r\nKOD                 AD                                    "
                           "       TUTAR\r\nC3                  Ölçü                                         -2,00\r\n                  "
                           "  Toplam :                              1.234.567,39\r\n"));
        satirEkle(
            "bos satirlar gizli", "", "", true, true,
            QStringLiteral("ŞUBE LİSTESİ\r\nKOD                 AD                                           TUTAR\r\nC1                "
                           "  Işık                                          1,50\r\nC2                  Çınar                           "
                           "      1.234.567,89\r\nŞUBE LİSTESİ\r\nKOD                 AD                                           "
                           "TUTAR\r\nC3                  Ölçü                                         -2,00\r\n                    "
                           "Toplam :                              1.234.567,39\r\n"));
        satirEkle("ayiracli", ";", "----", true, false,
                  QStringLiteral("ŞUBE LİSTESİ\r\nKOD;AD;TUTAR\r\nC1;Işık;1,50\r\nC2;Çınar;1.234.567,89\r\n----\r\n"
                                 "ŞUBE LİSTESİ\r\nKOD;AD;TUTAR\r\nC3;Ölçü;-2,00\r\n;Toplam :;1.234.567,39\r\n"));
    }
    void metinAktarimi() {
        QFETCH(QString, alanAyiraci);
        QFETCH(QString, sayfaAyiraci);
        QFETCH(bool, gizle);
        QFETCH(bool, evrensel);
        QFETCH(QString, beklenen);
        auto para = [](const char* t) { return Deger::paradan(Para::metinden(QString::fromLatin1(t)).value()); };
        ListeBelgesi b({{Deger::metinden(QStringLiteral("Işık")), Deger::metinden(QStringLiteral("C1")), para("1.5")},
                        {Deger::metinden(QStringLiteral("Çınar")), Deger::metinden(QStringLiteral("C2")), para("1234567.89")},
                        {Deger::metinden(QStringLiteral("Ölçü")), Deger::metinden(QStringLiteral("C3")), para("-2")}});
        QTemporaryDir dir;
        const QString yol = dir.filePath(QStringLiteral("Temp.txt"));
        MetinDosyasi dosya(yol, {alanAyiraci, sayfaAyiraci, gizle, evrensel});
        // The window's text target runs into a spool first, asks its options
        // afterwards and writes from the spool: the same text.
        MetinKuyrugu kuyruk;
        QVERIFY(kuyruk.hazir());
        SayfaAlici& alici = alanAyiraci.isEmpty() ? static_cast<SayfaAlici&>(dosya) : kuyruk;
        RaporMotoru motor(b, alici);
        motor.calistir();
        QCOMPARE(motor.sayfaSayisi(), 2);
        if (&alici == &kuyruk) QVERIFY(kuyruk.yaz(dosya));
        QVERIFY(dosya.bitir());
        const QByteArray icerik = dosyaIcerigi(yol);
        if (evrensel) {
            QVERIFY(icerik.startsWith("\xEF\xBB\xBF"));
            QCOMPARE(QString::fromUtf8(icerik.mid(3)), beklenen);
        } else {
            QCOMPARE(icerik, Cp1254::kodla(beklenen));
        }
    }

    // Fixed columns hold whatever the names: each field starts under its
    // caption and each amount ends where its caption ends, on every page; a
    // name longer than its column is cut, an amount never. A character the
    // code page cannot hold is written as "?" and counted.
    void metinKolonlari() {
        auto para = [](const char* t) { return Deger::paradan(Para::metinden(QString::fromLatin1(t)).value()); };
        const QString uzun = QStringLiteral("Çok Uzun Adlı Şube; Sütununa Sığmayan \"Ünvan\"");
        ListeBelgesi b({{Deger::metinden(QStringLiteral("Işık ₺")), Deger::metinden(QStringLiteral("C1")), para("1.5")},
                        {Deger::metinden(QStringLiteral("Çınar")), Deger::metinden(QStringLiteral("C2")), para("1234567.89")},
                        {Deger::metinden(uzun), Deger::metinden(QStringLiteral("C3")), para("-123456789012.25")}});
        QTemporaryDir dir;
        const QString sabit = dir.filePath(QStringLiteral("sabit.txt"));
        const QString csv = dir.filePath(QStringLiteral("csv.txt"));
        MetinDosyasi sabitYazici(sabit, {});
        MetinDosyasi csvYazici(csv, {QStringLiteral(";"), QString(), true, true});
        CokluAlici iki;
        iki.ekle(&sabitYazici);
        iki.ekle(&csvYazici);
        RaporMotoru(b, iki).calistir();
        QVERIFY(sabitYazici.bitir() && csvYazici.bitir());
        QCOMPARE(sabitYazici.yerineKonan(), 1);
        QCOMPARE(csvYazici.yerineKonan(), 0);
        const QStringList satirlar = Cp1254::coz(dosyaIcerigi(sabit)).split(QStringLiteral("\r\n"));
        qsizetype ad = -1, tutarSonu = -1;
        int detay = 0;
        for (const QString& satir : satirlar) {
            if (satir.startsWith(QStringLiteral("KOD"))) {
                ad = satir.indexOf(QStringLiteral("AD"));
                tutarSonu = satir.size();
                QVERIFY(satir.endsWith(QStringLiteral("TUTAR")));
                continue;
            }
            if (!satir.startsWith(u'C')) continue;
            ++detay;
            QVERIFY2(satir.at(ad) != u' ' && satir.at(ad - 1) == u' ', qPrintable(satir)); // the name starts under AD
            QCOMPARE(satir.size(), tutarSonu);                                             // the amount ends under TUTAR's end
        }
        QCOMPARE(detay, 3);
        const QString csvMetin = QString::fromUtf8(dosyaIcerigi(csv).mid(3));
        QVERIFY(satirlar.join(u'\n').contains(QStringLiteral("-123.456.789.012,25")));
        QVERIFY(!satirlar.join(u'\n').contains(uzun.left(40))); // cut to its column
        QVERIFY(satirlar.join(u'\n').contains(QStringLiteral("Işık ?")));
        QVERIFY(csvMetin.contains(QStringLiteral("Işık ₺")));
        // With a separator the name is one field, quoted as CSV does.
        QVERIFY2(csvMetin.contains(QStringLiteral("C3;\"Çok Uzun Adlı Şube; Sütununa Sığmayan \"\"Ünvan\"\"\";-123.456.789.012,25")),
                 qPrintable(csvMetin));
    }

    // Lines of a page for the exports: captions set a few twips apart stand
    // on one line; the columns come from them.
    void sayfaSatirlari() {
        ListeBelgesi b({{Deger::metinden(QStringLiteral("X")), Deger::metinden(QStringLiteral("C1")),
                         Deger::paradan(Para::metinden(QStringLiteral("3")).value())}});
        SayfaDeposu depo;
        RaporMotoru(b, depo).calistir();
        const QList<Satir> satirlar = Sayfa_Satirlari(depo.sayfalar.first());
        QCOMPARE(satirlar.size(), 4);
        const qsizetype i = Baslik_Satiri(satirlar);
        QCOMPARE(i, 1);
        const Kolonlar s(satirlar.at(i));
        QCOMPARE(s.sayi(), 3);
        QCOMPARE(s.baslik(2), QStringLiteral("TUTAR"));
        QCOMPARE(satirlar.at(2).bolum, Bolum::Tur::Detail);
        QCOMPARE(satirlar.at(2).hucreler.at(2)->deger.para().metin(), QStringLiteral("3.0000"));
        QCOMPARE(s.kolon(satirlar.at(3).hucreler.at(0)->alan), 1); // "Toplam :" under AD
        QCOMPARE(s.kolon(QRect(9000, 0, 100, 10)), 2);             // beyond every column: the nearest
        QCOMPARE(satirlar.at(3).bolum, Bolum::Tur::ReportFooter);
        QVERIFY(satirlar.at(3).hucreler.at(0)->deger.bosMu()); // a label has no value
    }

    void gruplarVeToplamlar() {
        DenemeBelgesi b({satir("A", "1", "10.10"), satir("A", "2", "0.01"), satir("B", "3", "5"), satir("C", "4", "-2.50")});
        SayfaDeposu depo;
        RaporMotoru m(b, depo);
        m.calistir();
        QCOMPARE(metinler(depo.sayfalar, "grup"), (QStringList{"A", "B", "C"}));
        QCOMPARE(metinler(depo.sayfalar, "grupSayisi"), (QStringList{"2", "1", "1"}));
        QCOMPARE(metinler(depo.sayfalar, "grupToplami"), (QStringList{"10,11", "5,00", "-2,50"}));
        QCOMPARE(metinler(depo.sayfalar, "genelToplam"), QStringList{"12,61"});
        QCOMPARE(b.olaylar.first(), QStringLiteral("ReportStart"));
        QCOMPARE(b.olaylar.last(), QStringLiteral("ReportEnd"));
        QCOMPARE(b.olaylar.count("GroupFooter"), 3);
    }

    // Rows overflow onto new pages within the body: header, rows, footer.
    void sayfaTasmasi() {
        QList<QList<Deger>> satirlar;
        for (int i = 0; i < 200; ++i) satirlar << satir("A", "x", "1");
        DenemeBelgesi b(satirlar);
        SayfaDeposu depo;
        RaporMotoru m(b, depo);
        m.calistir();
        QVERIFY(m.sayfaSayisi() > 1);
        QCOMPARE(m.sayfaSayisi(), depo.sayfalar.size());
        for (const Sayfa& p : depo.sayfalar)
            for (const SayfaOgesi& o : p.ogeler) QVERIFY2(o.alan.bottom() <= p.yukseklik - b.sayfaAyari.altKenar, qPrintable(o.ad));
        QCOMPARE(metinler(depo.sayfalar, "kod").size(), 200);
    }

    void metinSigdirma_data() {
        sutunlar<int, qreal, qreal, int>("hiza", "genislik", "x", "glif");
        // Box 100..199 (width 100); four glyphs of 30 units each at scale 1 unless cut.
        satirEkle("sag", int(Qt::AlignRight), 80.0, 120.0, 4);
        satirEkle("sola hizali tasan kesilir", int(Qt::AlignLeft), 120.0, 100.0, 3);
        satirEkle("ortali tasan soldan kesilir", int(Qt::AlignHCenter), 120.0, 100.0, 3);
        satirEkle("saga hizali tasan butun kalir, sola tasar", int(Qt::AlignRight), 120.0, 80.0, 4);
    }
    void metinSigdirma() {
        QFETCH(int, hiza);
        QFETCH(qreal, genislik);
        QFETCH(qreal, x);
        QFETCH(int, glif);
        bool istendi = false;
        const Sigdirma s = Metni_Sigdir(QRect(100, 0, 100, 240), Qt::Alignment(hiza), 4, genislik, 1.0, [&] {
            istendi = true;
            return QList<qreal>{30, 30, 30, 30};
        });
        QCOMPARE(s.x, x);
        QCOMPARE(s.glifSayisi, qsizetype(glif));
        QCOMPARE(istendi, genislik > 100 && !(hiza & Qt::AlignRight)); // advances are read only to cut
    }

    // A disk that takes no more bytes: the writer says so instead of leaving a broken file unnoticed.
    void doluDiskPdfHatasi() {
        if (!QFile::exists(QStringLiteral("/dev/full"))) QSKIP("no /dev/full here");
        DenemeBelgesi b({satir("A", "1", "1")});
        PdfDosyasi pdf(QStringLiteral("/dev/full"), QStringLiteral("Deneme"), QStringLiteral("Deneme"));
        RaporMotoru(b, pdf).calistir();
        QVERIFY(!pdf.bitir());
    }

    // A very long value draws as its visible part does: the painter and the
    // PDF writer give the same picture and the same file for 100,000
    // characters as for the first (or, right-aligned, last) 2,000.
    void uzunMetin_data() {
        QTest::addColumn<int>("hiza");
        satirEkle("sola hizali", int(Qt::AlignLeft));
        satirEkle("saga hizali", int(Qt::AlignRight));
    }
    void uzunMetin() {
        QFETCH(int, hiza);
        QString uzun;
        for (int i = 0; i < 25000; ++i) uzun += QStringLiteral("Işık");
        const QString kisa = hiza == Qt::AlignRight ? uzun.right(2000) : uzun.left(2000);
        auto sayfa = [&](const QString& metin) {
            Sayfa p;
            p.no = 1;
            SayfaOgesi o;
            o.ad = QStringLiteral("Unvan");
            o.alan = QRect(2000, 1000, 3000, 240);
            o.metin = metin;
            o.hiza = Qt::Alignment(hiza) | Qt::AlignTop;
            p.ogeler << o;
            return p;
        };
        auto resim = [&](const QString& metin) {
            QImage r(600, 300, QImage::Format_RGB32);
            r.fill(Qt::white);
            QPainter ressam(&r);
            SayfaCizici::olcekle(ressam, 50);
            SayfaCizici().ciz(ressam, sayfa(metin));
            return r;
        };
        QCOMPARE(resim(uzun), resim(kisa));
        QTemporaryDir d;
        auto pdf = [&](const QString& metin, const QString& ad) {
            PdfDosyasi y(d.filePath(ad), QStringLiteral("Deneme"), QStringLiteral("Deneme"));
            y.sayfa(sayfa(metin));
            if (!y.bitir()) return QByteArray();
            QByteArray b = dosyaIcerigi(d.filePath(ad));
            const qsizetype t = b.indexOf("/CreationDate (D:");
            return t < 0 ? b : b.remove(t, b.indexOf(')', t) - t);
        };
        const QByteArray a = pdf(uzun, QStringLiteral("uzun.pdf"));
        QVERIFY(!a.isEmpty());
        QCOMPARE(a, pdf(kisa, QStringLiteral("kisa.pdf")));
    }

    // Totals of any size are exact; a value money cannot hold stops the run
    // with a message naming its column.
    void buyukTutarlar() {
        QList<QList<Deger>> satirlar;
        for (int i = 0; i < 2000; ++i) satirlar << satir("A", "1", "900000000000000");
        DenemeBelgesi b(satirlar);
        SayfaDeposu depo;
        RaporMotoru(b, depo).calistir();
        QCOMPARE(metinler(depo.sayfalar, QStringLiteral("genelToplam")), QStringList{QStringLiteral("1.800.000.000.000.000.000,00")});

        DenemeBelgesi kotu({satir("A", "1", "5"),
                            {Deger::metinden(QStringLiteral("A")), Deger::metinden(QStringLiteral("2")),
                             Deger::ondaliktan(std::numeric_limits<double>::infinity())}});
        SayfaDeposu depo2;
        try {
            RaporMotoru(kotu, depo2).calistir();
            QFAIL("an infinite amount was summed");
        } catch (const VeritabaniHatasi& h) { QVERIFY2(h.aciklama().contains(QStringLiteral("\"Tutar\"")), qPrintable(h.aciklama())); }
    }

    // The output file replaces the target only when complete; otherwise the
    // target keeps its content and no temporary file is left beside it.
    void hedefDosya_data() {
        QTest::addColumn<QString>("son");         // "tamamla", "vazgec", "birak" (destroyed unfinished)
        QTest::addColumn<bool>("eskiVar");        // a previous file stands at the target
        QTest::addColumn<QByteArray>("beklenen"); // the target afterwards; empty: no file
        satirEkle("tamamlanan yenisini koyar", "tamamla", true, QByteArray("yeni"));
        satirEkle("vazgecilen eskiyi birakir", "vazgec", true, QByteArray("eski"));
        satirEkle("yarim kalan eskiyi birakir", "birak", true, QByteArray("eski"));
        satirEkle("yarim kalan dosya birakmaz", "birak", false, QByteArray());
    }
    void hedefDosya() {
        QFETCH(QString, son);
        QFETCH(bool, eskiVar);
        QFETCH(QByteArray, beklenen);
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("Temp.pdf"));
        if (eskiVar) {
            QFile f(yol);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("eski");
        }
        {
            HedefDosya h(yol);
            QVERIFY(h.acik());
            QCOMPARE(h.aygit().write("yeni"), qint64(4));
            QVERIFY(h.aygit().flush());
            QCOMPARE(dosyaIcerigi(yol), eskiVar ? QByteArray("eski") : QByteArray()); // nothing shows before completion
            if (son == QLatin1String("tamamla")) QVERIFY(h.tamamla());
            if (son == QLatin1String("vazgec")) h.vazgec();
        }
        QCOMPARE(dosyaIcerigi(yol), beklenen);
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden), beklenen.isEmpty() ? QStringList() : QStringList{"Temp.pdf"});
    }

    void hedefDosyaAcilamaz() {
        QTemporaryDir d;
        HedefDosya h(d.filePath(QStringLiteral("yok/Temp.pdf")));
        QVERIFY(!h.acik());
        QVERIFY(!h.tamamla());
        // A writer on such a target takes the pages and reports the failure.
        DenemeBelgesi b({satir("A", "1", "1")});
        PdfDosyasi pdf(d.filePath(QStringLiteral("yok/a.pdf")), QStringLiteral("Deneme"), QStringLiteral("Deneme"));
        RaporMotoru(b, pdf).calistir();
        QVERIFY(!pdf.bitir());
    }
};

QTEST_MAIN(TstRaporMotoru)
#include "tst_rapor_motoru.moc"
