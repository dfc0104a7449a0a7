// The page writers' own parts: the PNG file, the reused deflate stream, the
// per-character glyph table, and texts whose glyph numbers need escaping in
// the PDF.
#include "TestYardimi.h"
#include "bant/Birimler.h"
#include "ExcelKitabi.h"
#include "bant/ExcelDosyasi.h"
#include "bant/GlifTablosu.h"
#include "PngKodu.h"
#include "bant/SayfaCizici.h"
#include "bant/SayfaliCizici.h"
#include "bant/PdfDosyasi.h"
#include "bant/PngDosyalari.h"
#include "IcerikTamponu.h"
#include "Sikistirici.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <limits>

using namespace Bant;

namespace {

SayfaOgesi metin(const QString& m, QRect alan, bool kalin = false) {
    SayfaOgesi o;
    o.metin = m;
    o.alan = alan;
    o.kalin = kalin;
    return o;
}

Sayfa deneme(const QColor& kutuRengi) {
    Sayfa s;
    s.no = 1;
    SayfaOgesi kutu;
    kutu.tur = SayfaOgesi::Tur::Kutu;
    kutu.alan = QRect(500, 500, 4000, 300);
    kutu.renk = kutuRengi;
    s.ogeler << kutu << metin(QStringLiteral("Şükrü Işık 1.234,56"), QRect(600, 520, 3000, 240), true)
             << metin(QStringLiteral("27.01.2025 SF2502005"), QRect(600, 1000, 3000, 240));
    return s;
}

QImage ciz(const Sayfa& s) {
    QImage r(600, 300, QImage::Format_RGB32);
    r.fill(Qt::white);
    QPainter p(&r);
    p.setRenderHint(QPainter::Antialiasing);
    SayfaCizici::olcekle(p, 50);
    SayfaCizici().ciz(p, s);
    return r;
}

QFont yuz() {
    QFont f(QStringLiteral("Liberation Sans Narrow"));
    f.setPixelSize(170);
    return f;
}

// The text of a PDF's pages by pdftotext, as read (-raw): "" when it is not installed.
QString pdfMetni(const QString& yol) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), yol, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TstSayfaYazicilari : public QObject {
    Q_OBJECT

private slots:
    // A page comes back from its file pixel for pixel: grey pages as 8-bit
    // grey (the usual report), a page with any colour as RGB.
    void pngGeriOkunur_data() {
        sutunlar<QColor, bool>("kutu", "gri");
        satirEkle("gri kutulu sayfa", QColor(0xC0, 0xC0, 0xC0), true);
        satirEkle("yalniz kirmizisi farkli", QColor(0x81, 0x80, 0x80), false);
    }
    void pngGeriOkunur() {
        QFETCH(QColor, kutu);
        QFETCH(bool, gri);
        Sayfa s = deneme(kutu);
        if (!kutu.isValid()) s.ogeler.removeFirst();
        const QImage resim = ciz(s);
        QBuffer b;
        QVERIFY(b.open(QIODevice::WriteOnly));
        QVERIFY(Png_Yaz(resim, b, 150));
        QImage okunan;
        QVERIFY(okunan.loadFromData(b.data(), "PNG"));
        QCOMPARE(okunan.format(), gri ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
        QCOMPARE(okunan.convertToFormat(QImage::Format_RGB32), resim);
        QCOMPARE(okunan.dotsPerMeterX(), qRound(150 / 0.0254));
        QCOMPARE(okunan.dotsPerMeterY(), qRound(150 / 0.0254));
    }

    // A device that takes no bytes: the writer says so.
    void pngYazilamaz() {
        const QImage resim = ciz(deneme(QColor(Qt::gray)));
        QBuffer kapali;
        QVERIFY(!Png_Yaz(resim, kapali, 150));
        if (!QFile::exists(QStringLiteral("/dev/full"))) QSKIP("no /dev/full here");
        QFile dolu(QStringLiteral("/dev/full"));
        QVERIFY(dolu.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        QVERIFY(!Png_Yaz(resim, dolu, 150));
    }

    // The batch PNG target: one file per page; a folder that cannot take
    // them is reported and no page is left half-written.
    void pngSayfalari() {
        QTemporaryDir d;
        PngDosyalari png(d.path(), 50);
        Sayfa s = deneme(QColor(Qt::lightGray));
        png.sayfa(Sayfa(s));
        s.no = 2;
        png.sayfa(std::move(s));
        QVERIFY(!png.hataVar());
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{"sayfa-001.png", "sayfa-002.png"}));
        QCOMPARE(QImage(d.filePath(QStringLiteral("sayfa-001.png"))).size(), QSize(413, 585)); // A4 at 50 dpi

        PngDosyalari yok(d.filePath(QStringLiteral("yok")), 50);
        yok.sayfa(deneme(QColor(Qt::lightGray)));
        QVERIFY(yok.hataVar());
    }

    // One compressor for every stream: each stream is a whole zlib stream
    // that zlib reads back, the same bytes whatever was compressed before.
    void sikistirici_data() {
        QTest::addColumn<QByteArray>("veri");
        QByteArray rastgele(200000, Qt::Uninitialized);
        QRandomGenerator r(7);
        for (char& c : rastgele) c = static_cast<char>(r.bounded(256));
        satirEkle("bos", QByteArray());
        satirEkle("kisa", QByteArray("BT /F1 170 Tf ET"));
        satirEkle("rastgele", rastgele);
    }
    void sikistirici() {
        QFETCH(QByteArray, veri);
        Sikistirici z(4);
        const QByteArray baska = z.sikistir(QByteArray("önceki akış").repeated(1000));
        const QByteArray a = z.sikistir(veri);
        QVERIFY(!a.isEmpty());                // a PDF stream needs a whole (empty) zlib stream even for nothing
        QByteArray boy(4, Qt::Uninitialized); // qUncompress wants the length in front
        qToBigEndian(static_cast<quint32>(veri.size()), boy.data());
        QCOMPARE(qUncompress(boy + a), veri);
        QCOMPARE(z.sikistir(veri), a);
        QCOMPARE(z.sikistir(QByteArray("önceki akış").repeated(1000)), baska);
    }

    // Coordinates in hundredths of a twip as PDF numbers: no trailing zero
    // after the point, no point without a fraction, the sign kept.
    void yuzdeler_data() {
        sutunlar<qint64, QByteArray>("yuzde", "metin");
        const std::pair<qint64, const char*> satirlar[] = {
            {0, "0"},       {5, "0.05"},       {999, "9.99"},      {1010, "10.1"},
            {10000, "100"}, {87672, "876.72"}, {935000, "9350"},   {123456789, "1234567.89"},
            {-50, "-0.5"},  {-1, "-0.01"},     {-100000, "-1000"}, {std::numeric_limits<qint64>::min(), "-92233720368547758.08"}};
        for (const auto& [h, m] : satirlar) satirEkle(m, h, QByteArray(m));
    }
    void yuzdeler() {
        QFETCH(qint64, yuzde);
        QFETCH(QByteArray, metin);
        IcerikTamponu c;
        c.ekle("x ");
        c.yuzde(yuzde);
        QCOMPARE(c.veri().toByteArray(), "x " + metin);
    }

    // Each character's glyph and advance from the table equal the face's own
    // mapping of the whole text, in the flat part and beyond it.
    void glifTablosu_data() {
        QTest::addColumn<QString>("metin");
        satirEkle("ascii", QStringLiteral("SF2502005 1.234.567,89 (x)\\"));
        satirEkle("turkce", QStringLiteral("ĞÜŞİÖÇğüşıöç Işık İnşaat"));
        satirEkle("duz tablonun disi", QStringLiteral("€ – “tırnak” №"));
        satirEkle("yuzde olmayan", QStringLiteral("丁 ☃"));
        satirEkle("denetim karakterleri", QStringLiteral("a\tb\u00ADc"));
    }
    void glifTablosu() {
        QFETCH(QString, metin);
        const QRawFont ham = QRawFont::fromFont(yuz());
        QVERIFY(ham.isValid());
        GlifTablosu t(ham);
        const QList<quint32> glifler = ham.glyphIndexesForString(metin);
        const QList<QPointF> ilerlemeler = ham.advancesForGlyphIndexes(glifler);
        QCOMPARE(glifler.size(), metin.size());
        for (qsizetype i = 0; i < metin.size(); ++i) {
            QCOMPARE(t[metin.at(i)].no, glifler.at(i));
            QCOMPARE(t[metin.at(i)].ilerleme, ilerlemeler.at(i).x());
        }
    }

    // The workbook's shared strings read back by xlrd: each text once however
    // often it stands, long texts whole up to 32,767 characters (running on
    // over record boundaries, in one-byte and two-byte form alike), longer
    // ones cut there.
    void kitapMetinleri() {
        QTemporaryDir dizin;
        const QString yol = dizin.filePath(QStringLiteral("m.xls"));
        const QString uzun = QStringLiteral("Işık ").repeated(9000);  // two-byte characters, 45,000
        const QString latin = QStringLiteral("Cafe ").repeated(3000); // one byte each, 15,000
        ExcelKitabi kitap;
        kitap.sayfaEkle(QStringLiteral("S"));
        const int xf = kitap.bicim({});
        for (int r = 0; r < 3000; ++r) kitap.metin(r, 0, QStringLiteral("Satış Faturası"), xf);
        kitap.metin(0, 1, uzun, xf);
        kitap.metin(1, 1, latin, xf);
        kitap.metin(2, 1, uzun.left(8000), xf);
        QVERIFY(kitap.yaz(yol));
        QVERIFY(QFileInfo(yol).size() < 200000); // the repeated text is not stored 3,000 times
        QProcess okuyucu;
        okuyucu.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(XLS_OKUYUCU), yol});
        QVERIFY(okuyucu.waitForFinished(60000));
        QVERIFY2(okuyucu.exitCode() == 0, okuyucu.readAllStandardError().constData());
        const QJsonArray satirlar = QJsonDocument::fromJson(okuyucu.readAllStandardOutput())
                                        .object()
                                        .value(QStringLiteral("sayfalar"))
                                        .toArray()
                                        .first()
                                        .toObject()
                                        .value(QStringLiteral("satirlar"))
                                        .toArray();
        QCOMPARE(satirlar.size(), 3000);
        auto hucre = [&](int r, int c) { return satirlar.at(r).toArray().at(c).toArray().at(1).toString(); };
        QCOMPARE(hucre(0, 1), uzun.left(32767));
        QCOMPARE(hucre(1, 1), latin);
        QCOMPARE(hucre(2, 1), uzun.left(8000));
        QCOMPARE(hucre(2999, 0), QStringLiteral("Satış Faturası"));
    }

    // Sheet names spreadsheet programs accept: no []:*?/\, at most 31
    // characters with the continuation number.
    void sayfaAdi_data() {
        sutunlar<QString, int, QString>("ad", "no", "beklenen");
        satirEkle("duz", "FATURA LİSTESİ", 1, "FATURA LİSTESİ");
        satirEkle("devam", "FATURA LİSTESİ", 2, "FATURA LİSTESİ (2)");
        satirEkle("uzun", QString(40, u'Ş'), 1, QString(31, u'Ş'));
        satirEkle("uzun devam", QString(40, u'Ş'), 12, QString(26, u'Ş') + " (12)");
    }
    void sayfaAdi() {
        QFETCH(QString, ad);
        QFETCH(int, no);
        QFETCH(QString, beklenen);
        QCOMPARE(ExcelDosyasi::Sayfa_Adi(ad, no), beklenen);
    }

    // A printer takes each page on the paper and in the orientation it was laid out for, whatever it was set to.
    void kagitSayfayiIzler_data() {
        sutunlar<int, int, int, int>("genislik", "yukseklik", "kagit", "yon");
        satirEkle("A4 dikey", Birim::A4Genislik, Birim::A4Yukseklik, int(QPageSize::A4), int(QPageLayout::Portrait));
        satirEkle("A4 yatay", Birim::A4Yukseklik, Birim::A4Genislik, int(QPageSize::A4), int(QPageLayout::Landscape));
        satirEkle("A5 dikey", 8391, 11906, int(QPageSize::A5), int(QPageLayout::Portrait));
    }
    void kagitSayfayiIzler() {
        QFETCH(int, genislik);
        QFETCH(int, yukseklik);
        QFETCH(int, kagit);
        QFETCH(int, yon);
        QBuffer b;
        b.open(QIODevice::WriteOnly);
        QPdfWriter yazici(&b);
        yazici.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
        Bant::SayfaliCizici cizici(yazici, yazici.resolution());
        for (int i = 0; i < 2; ++i) {
            Bant::Sayfa s;
            s.genislik = genislik;
            s.yukseklik = yukseklik;
            cizici.sayfa(std::move(s));
            QCOMPARE(int(yazici.pageLayout().pageSize().id()), kagit);
            QCOMPARE(int(yazici.pageLayout().orientation()), yon);
            QCOMPARE(yazici.pageLayout().margins(), QMarginsF());
        }
        QVERIFY(cizici.bitir());
    }

    // Page strings hold each glyph's code, one byte for the first ones and
    // two for the rest, given face by face. The file maps the codes back to
    // the characters (searching, copying) and to the glyphs themselves: with
    // the character map hidden, the reader takes each glyph's number for its
    // character, which must be the one the face has for the character.
    void pdfGlifKodlari() {
        GlifTablosu normal(QRawFont::fromFont(yuz()));
        QFont kalinYuz = yuz();
        kalinYuz.setBold(true);
        GlifTablosu kalin(QRawFont::fromFont(kalinYuz));
        QString duz, ters;
        // Glyph numbers that read back as visible characters (not controls or blanks).
        for (char16_t k = 0x21; k < 0x180; ++k) {
            const quint32 g = normal[QChar(k)].no;
            if (g > 0x20 && (g < 0x7F || g > 0xA0) && g != 0xAD && kalin[QChar(k)].no == g) duz += QChar(k);
        }
        QVERIFY2(duz.size() > 130, qPrintable(duz)); // past the one-byte codes
        std::reverse_copy(duz.cbegin(), duz.cend(), std::back_inserter(ters));
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("a.pdf"));
        Sayfa s;
        s.no = 1;
        // Lines of 50 that fit across the page: regular, then bold backwards.
        QStringList satirlar;
        for (const QString& m : {duz, ters})
            for (qsizetype i = 0; i < m.size(); i += 50) {
                s.ogeler << metin(m.mid(i, 50), QRect(500, 500 + 300 * int(satirlar.size()), 10000, 240), &m == &ters);
                satirlar << m.mid(i, 50);
            }
        PdfDosyasi pdf(yol, QStringLiteral("Deneme"), QStringLiteral("Deneme"));
        pdf.sayfa(std::move(s));
        QVERIFY(pdf.bitir());
        QString okunan = pdfMetni(yol);
        if (okunan.isEmpty()) QSKIP("pdftotext is not installed");
        QCOMPARE(okunan.remove(u'\f').split(u'\n', Qt::SkipEmptyParts), satirlar);

        QByteArray dosya = dosyaIcerigi(yol);
        dosya.replace("/ToUnicode", "/ToUnicodX"); // the same length: offsets hold
        QFile f(yol);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(dosya) == dosya.size());
        f.close();
        QString glifler;
        for (const QChar k : duz) glifler += QChar(static_cast<char16_t>(normal[k].no));
        QStringList glifSatirlari;
        for (qsizetype i = 0; i < glifler.size(); i += 50) glifSatirlari << glifler.mid(i, 50);
        QCOMPARE(pdfMetni(yol).remove(u'\f').split(u'\n', Qt::SkipEmptyParts).mid(0, glifSatirlari.size()), glifSatirlari);
    }

    // Every word lands where the page puts it (twips, 20 to a point), texts
    // after the first on a line (moved along it, either way) as well as the
    // first of each line; words of one line share its height.
    void pdfYerleri() {
        QTemporaryDir d;
        Sayfa s;
        s.no = 1;
        const QList<std::pair<QString, QPoint>> yerler = {{QStringLiteral("Bir"), {600, 1000}}, {QStringLiteral("İki"), {3000, 1000}},
                                                          {QStringLiteral("Üç"), {6000, 1000}}, {QStringLiteral("Dört"), {3000, 2000}},
                                                          {QStringLiteral("Beş"), {600, 2000}}, {QStringLiteral("Altı"), {9000, 2000}}};
        for (const auto& [m, yer] : yerler) s.ogeler << metin(m, QRect(yer, QSize(2000, 240)), m == QStringLiteral("İki"));
        const QString yol = d.filePath(QStringLiteral("a.pdf"));
        PdfDosyasi pdf(yol, QStringLiteral("Deneme"), QStringLiteral("Deneme"));
        pdf.sayfa(std::move(s));
        QVERIFY(pdf.bitir());
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), yol, QStringLiteral("-")});
        if (!p.waitForFinished(30000) || p.exitCode() != 0) QSKIP("pdftotext is not installed");
        const QString html = QString::fromUtf8(p.readAllStandardOutput());
        static const QRegularExpression kelime(QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]+)</word>)re"));
        QMap<QString, QPointF> bulunan;
        for (const auto& e : kelime.globalMatch(html)) bulunan[e.captured(3)] = QPointF(e.captured(1).toDouble(), e.captured(2).toDouble());
        QCOMPARE(bulunan.size(), yerler.size());
        for (const auto& [m, yer] : yerler) {
            QVERIFY2(qAbs(bulunan[m].x() - yer.x() / 20.0) < 1, qPrintable(m)); // within a glyph's side bearing
            QVERIFY2(qAbs(bulunan[m].y() - bulunan[QStringLiteral("Bir")].y() - (yer.y() - 1000) / 20.0) < 0.01, qPrintable(m));
        }
    }

    // A face without TrueType outlines (PostScript ones in an OpenType file)
    // cannot be embedded by the writer's own code: the general PDF painter
    // writes the file instead, every page and its text.
    void yuzsuzYedekYol() {
        const QRawFont ham = QRawFont::fromFont(QFont(QStringLiteral("URW Gothic")));
        if (!ham.familyName().startsWith(QStringLiteral("URW Gothic")) || !ham.fontTable("glyf").isEmpty())
            QSKIP("URW Gothic (fonts-urw-base35, installed by the test command) is missing");
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("y.pdf"));
        {
            PdfDosyasi pdf(yol, QStringLiteral("Deneme"), QStringLiteral("Deneme"));
            for (int i = 1; i <= 2; ++i) {
                Sayfa s;
                s.no = i;
                s.yazi.aile = QStringLiteral("URW Gothic");
                s.ogeler << metin(QStringLiteral("Sayfa %1 Şubat").arg(i), QRect(500, 500, 10000, 240));
                pdf.sayfa(std::move(s));
            }
            QVERIFY(pdf.bitir());
        }
        const QString okunan = pdfMetni(yol);
        if (okunan.isEmpty()) QSKIP("pdftotext is not installed");
        QStringList sayfalar = okunan.split(u'\f', Qt::SkipEmptyParts);
        for (QString& m : sayfalar) m = m.trimmed();
        QCOMPARE(sayfalar, (QStringList{QStringLiteral("Sayfa 1 Şubat"), QStringLiteral("Sayfa 2 Şubat")}));
    }
};

QTEST_MAIN(TstSayfaYazicilari)
#include "tst_sayfa_yazicilari.moc"
