#include "ortak/TestOrtami.h"
#include "bant/Cp1254.h"

#include <QJsonArray>
#include <QStandardPaths>
#include <QUrl>
#include <QJsonObject>
#include <QProcess>
#include <optional>
#include <QRegularExpression>
#include <QtTest>

// The batch mode as scripts use it: the real program, its exit status and
// the message texts on standard error.
class TstToplu : public QObject {
    Q_OBJECT

    std::unique_ptr<GeciciSunucu> sunucu_;
    std::unique_ptr<QTemporaryDir> ayarlar_;
    QTemporaryDir grupluDizin_; // the files of grupluCalisma()

    struct Sonuc {
        int durum;
        QString hata;
        QString cikti;
    };

    // `program` instead of the built one, `sifre` as FATURA_SIFRE, `girdi` on standard input.
    // `ekransiz`: no display and no platform named, as on a server or in cron.
    Sonuc calistir(const QStringList& argumanlar, const QString& program = {}, const std::optional<QString>& sifre = {},
                   const QByteArray& girdi = {}, bool ekransiz = false) {
        QProcess p;
        QProcessEnvironment ortam = QProcessEnvironment::systemEnvironment();
        ortam.insert(QStringLiteral("XDG_CONFIG_HOME"), ayarlar_->path());
        if (ekransiz) {
            for (const char* ad : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ortam.remove(QString::fromLatin1(ad));
        } else {
            ortam.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
        ortam.remove(QStringLiteral("FATURA_SIFRE"));
        if (sifre) ortam.insert(QStringLiteral("FATURA_SIFRE"), *sifre);
        p.setProcessEnvironment(ortam);
        p.start(program.isEmpty() ? qEnvironmentVariable("FATURA_PROGRAM") : program, argumanlar);
        p.write(girdi);
        p.closeWriteChannel();
        if (!p.waitForFinished(60000)) {
            p.kill();
            return {-1, QStringLiteral("hung"), {}};
        }
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2, QString::fromUtf8(p.readAllStandardError()),
                QString::fromUtf8(p.readAllStandardOutput())};
    }
    // The program in a suite folder of its own, Suite/Rapor beside Suite/sys.inf
    // naming the test server, as the suite installs it.
    QString kurulum() {
        const QString rapor = ayarlar_->filePath(QStringLiteral("Suite/Rapor"));
        QDir().mkpath(rapor);
        const QFileInfo program(qEnvironmentVariable("FATURA_PROGRAM"));
        const QString kopya = rapor + u'/' + program.fileName();
        QFile::copy(program.filePath(), kopya);
        QFile::copy(program.dir().filePath(QStringLiteral("Master.mtr")), rapor + QStringLiteral("/Master.mtr"));
        QFile inf(ayarlar_->filePath(QStringLiteral("Suite/sys.inf")));
        if (inf.open(QIODevice::WriteOnly)) inf.write((sunucu_->klasor() + QStringLiteral(";sa;;0\r\n")).toUtf8());
        return kopya;
    }
    // What pdfinfo says of a PDF file, and its page count.
    static QString pdfBilgisi(const QString& dosya) {
        QProcess p;
        p.start(QStringLiteral("pdfinfo"), {dosya});
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    static int pdfSayfalari(const QString& dosya) {
        static const QRegularExpression r(QStringLiteral(R"(Pages:\s+(\d+))"));
        return r.match(pdfBilgisi(dosya)).captured(1).toInt();
    }
    QString demo(int kullanici) const { return QStringLiteral("DEMOFIRMA|%1|%2|sa|æ").arg(sunucu_->klasor()).arg(kullanici); }
    // One run of the demo report grouped by city with its lines and grand
    // total, with no display as from cron, written to every file target (gruplu("xls") ... gruplu("pdf")).
    std::optional<Sonuc> gruplu_;
    QString gruplu(const char* uzanti) const { return grupluDizin_.filePath(QStringLiteral("r.") + QLatin1String(uzanti)); }
    const Sonuc& grupluCalisma() {
        if (!gruplu_)
            gruplu_ = calistir({QStringLiteral("--batch"), demo(1), QStringLiteral("--set"), QStringLiteral("Grupla=Şehir"),
                                QStringLiteral("--set"), QStringLiteral("Genel Rapor Toplamı=Evet"), QStringLiteral("--set"),
                                QStringLiteral("Fatura Satırlarını Göster=Evet"), QStringLiteral("--excel"), gruplu("xls"),
                                QStringLiteral("--xlsx"), gruplu("xlsx"), QStringLiteral("--text"), gruplu("txt"), QStringLiteral("--html"),
                                gruplu("htm"), QStringLiteral("--pdf"), gruplu("pdf")},
                               {}, {}, {}, true);
        return *gruplu_;
    }
    void turkceAyarlar() {
        qputenv("XDG_CONFIG_HOME", ayarlar_->path().toUtf8());
        bolgeselAyarla();
    }

private slots:
    void initTestCase() {
        QVERIFY2(QFileInfo(qEnvironmentVariable("FATURA_PROGRAM")).isExecutable(), "FATURA_PROGRAM must name the program");
        sunucu_ = std::make_unique<GeciciSunucu>();
    }
    void init() { ayarlar_ = std::make_unique<QTemporaryDir>(); }

    // --pdf: the file takes the target's place only when the report is
    // complete; a run that fails leaves what stood there and no stray file.
    void pdfDosyasi_data() {
        sutunlar<QStringList, int>("ekler", "durum");
        QTest::addColumn<QString>("mesaj"); // part of what standard error says
        satirEkle("tamamlanan rapor", QStringList{"--set", "İşlem Tarihi=01/01/2025"}, 0, "");
        satirEkle("sunucunun reddettigi sorgu", QStringList{"--set", "Net Tutar=1.000,5"}, 1, "");
        satirEkle("tarih mesaji", QStringList{"--end", "İşlem Tarihi=31/02/2026"}, 1, "Lütfen tarihi doğru giriniz");
    }
    void pdfDosyasi() {
        QFETCH(QStringList, ekler);
        QFETCH(int, durum);
        QFETCH(QString, mesaj);
        turkceAyarlar();
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("rapor.pdf"));
        QFile eski(yol);
        QVERIFY(eski.open(QIODevice::WriteOnly));
        eski.write("eski");
        eski.close();
        const Sonuc s =
            calistir(QStringList{QStringLiteral("--batch"), demo(1), QStringLiteral("--yes"), QStringLiteral("--pdf"), yol} + ekler);
        QCOMPARE(s.durum, durum);
        QVERIFY2(s.hata.contains(mesaj), qPrintable(s.hata));
        QVERIFY(eski.open(QIODevice::ReadOnly));
        const QByteArray icerik = eski.readAll();
        if (durum == 0) {
            QVERIFY(icerik.startsWith("%PDF-") && icerik.endsWith("%%EOF\n"));
            // Every stream decodes and the structure holds, for a reader nobody here wrote.
            if (!QStandardPaths::findExecutable(QStringLiteral("qpdf")).isEmpty())
                QCOMPARE(QProcess::execute(QStringLiteral("qpdf"), {QStringLiteral("--check"), yol}), 0);
        } else {
            QCOMPARE(icerik, QByteArray("eski"));
        }
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"rapor.pdf"});
    }

    // The text dialog's four options on the command line; a character the
    // code page cannot hold is written as "?" and the count said on stderr.
    void metinSecenekleri_data() {
        sutunlar<QStringList, bool>("secenekler", "utf8");
        satirEkle("ayiracli utf8",
                  QStringList{"--text-separator", ";", "--text-page-separator", "----", "--text-no-empty-lines", "--text-utf8"}, true);
        satirEkle("sabit sutunlar 1254", QStringList{}, false);
    }
    void metinSecenekleri() {
        QFETCH(QStringList, secenekler);
        QFETCH(bool, utf8);
        turkceAyarlar();
        GeciciSunucu sunucu(60);
        sunucu.calistir(QStringLiteral("DEMOFIRMA"), QStringLiteral("UPDATE CARIKART SET Unvan = Unvan || ' ₺'"));
        const QString yol = ayarlar_->filePath(QStringLiteral("r.txt"));
        const Sonuc s =
            calistir(QStringList{QStringLiteral("--batch"), QStringLiteral("DEMOFIRMA|%1|1|sa|æ").arg(sunucu.klasor()),
                                 QStringLiteral("--set"), QStringLiteral("İşlem Tarihi=01/01/2025"), QStringLiteral("--text"), yol} +
                     secenekler);
        QVERIFY2(s.durum == 0, qPrintable(s.hata));
        const QByteArray b = dosyaIcerigi(yol);
        QCOMPARE(b.startsWith("\xEF\xBB\xBF"), utf8);
        const QString metin = utf8 ? QString::fromUtf8(b.mid(3)) : Cp1254::coz(b);
        const int cari = static_cast<int>(metin.count(QStringLiteral(" ₺")));
        QCOMPARE(cari > 0, utf8);
        QCOMPARE(s.hata.contains(QStringLiteral("--text-utf8 keeps them")), !utf8);
        // Each option reached the writer (whose tests own what they do).
        QCOMPARE(metin.contains(QStringLiteral("\r\nTARİH;FİŞ NO;")), utf8);
        QCOMPARE(metin.contains(QStringLiteral("\r\n----\r\n")), utf8);
        QCOMPARE(metin.contains(QStringLiteral("\r\n\r\n")), !utf8);
    }

    // The batch login: one attempt; the companies, or the report of one.
    void topluGiris_data() {
        QTest::addColumn<QStringList>("argumanlar");
        QTest::addColumn<QString>("sifre"); // "<" + text: typed on standard input instead
        sutunlar<int, QString, QString>("durum", "cikti", "hata");
        const QString liste = QStringLiteral("Anadolu Ticaret ve Sanayi A.Ş.\tDEMO\n");
        satirEkle("firmalar", QStringList{"--user", "karmena"}, "1234", 0, liste, "");
        satirEkle("sifre girdiden", QStringList{"--user", "KARMENA"}, "<1234\r\n", 0, liste, "");
        satirEkle("yanlis sifre", QStringList{"--user", "karmena"}, "4321", 1, "",
                  "Fatura Listesi: Kullanıcı adınızı ve şifrenizi kontrol ediniz.\n");
        satirEkle("firma kodu", QStringList{"--user", "muhasebe", "--company", "DEMO", "--sql"}, "abc", 0, "SELECT ", "");
        satirEkle("baska firma", QStringList{"--user", "karmena", "--company", "YOK"}, "1234", 2, "", "\"YOK\" is not among the companies");
    }
    void topluGiris() {
        QFETCH(QStringList, argumanlar);
        QFETCH(QString, sifre);
        QFETCH(int, durum);
        QFETCH(QString, cikti);
        QFETCH(QString, hata);
        turkceAyarlar();
        const bool girdiden = sifre.startsWith(u'<');
        const Sonuc s = calistir(QStringList{QStringLiteral("--batch")} + argumanlar, kurulum(),
                                 girdiden ? std::nullopt : std::optional<QString>(sifre), girdiden ? sifre.mid(1).toUtf8() : QByteArray());
        QVERIFY2(s.durum == durum, qPrintable(s.hata));
        if (cikti.isEmpty() || cikti.endsWith(u'\n'))
            QCOMPARE(s.cikti, cikti);
        else
            QVERIFY2(s.cikti.startsWith(cikti), qPrintable(s.cikti));
        if (hata.isEmpty())
            QCOMPARE(s.hata, QString());
        else
            QVERIFY2(s.hata.contains(hata), qPrintable(s.hata));
    }

    // The workbook read back by independent readers (xlrd; LibreOffice):
    // the captions frozen with an auto-filter, the invoice lines in columns of
    // their own, every invoice's date a date cell and its amount a number
    // equal to the amount the report prints (its text output of the same
    // run), every number the double of at most four decimals, whole
    // quantities without a decimal separator; the totals SUBTOTAL formulas
    // over their rows keeping the report's figures; groups folding; printed
    // on A4, one page wide, with the captions on every page.
    void excelCiktisi() {
        turkceAyarlar();
        QVERIFY2(grupluCalisma().durum == 0, qPrintable(grupluCalisma().hata));
        const QString xls = gruplu("xls"), txt = gruplu("txt"), pdf = gruplu("pdf");
        QString hata;
        const QJsonObject kitap = veriOkuyucusu("xls_oku.py", {xls}, hata);
        QVERIFY2(hata.isEmpty(), qPrintable(hata));
        QVERIFY(kitap.value(QStringLiteral("adlar")).toArray().contains(QStringLiteral("_FilterDatabase")));
        const QJsonObject sayfa = kitap.value(QStringLiteral("sayfalar")).toArray().first().toObject();
        QCOMPARE(sayfa.value(QStringLiteral("ad")).toString(), QStringLiteral("FATURA LİSTESİ"));
        const QJsonArray satirlar = sayfa.value(QStringLiteral("satirlar")).toArray();
        const int dondurulmus = sayfa.value(QStringLiteral("dondurulmus")).toInt();
        const QJsonArray basliklar = satirlar.at(dondurulmus - 1).toArray();
        QCOMPARE(basliklar.at(6).toArray().at(1).toString(), QStringLiteral("NET TUTAR"));
        QCOMPARE(basliklar.at(7).toArray().at(1).toString(), QStringLiteral("Satır Tipi")); // the lines' own captions
        QCOMPARE(basliklar.last().toArray().at(1).toString(), QStringLiteral("Net Tutar"));

        // The report's amounts as printed: the last field of each invoice line.
        QFile metin(txt);
        QVERIFY(metin.open(QIODevice::ReadOnly));
        static const QRegularExpression faturaSatiri(QStringLiteral(R"(^\d\d\.\d\d\.\d{4} .* (-?[\d.]+,\d\d)$)"));
        static const QRegularExpression genel(QStringLiteral(R"(Genel Rapor Toplamı  : +(-?[\d.]+,\d\d)$)"));
        QStringList basilan;
        QString genelToplam;
        for (const QString& satir : Cp1254::coz(metin.readAll()).split(QStringLiteral("\r\n"))) {
            if (auto m = faturaSatiri.match(satir); m.hasMatch()) basilan << m.captured(1);
            if (auto m = genel.match(satir); m.hasMatch()) genelToplam = m.captured(1);
        }
        QVERIFY2(basilan.size() > 3, qPrintable(QString::number(basilan.size())));
        auto tl = [](double d) { return QLocale(QLocale::Turkish).toString(d, 'f', 2); };
        QStringList hucreler;
        int kalemler = 0;
        for (qsizetype r = dondurulmus; r < satirlar.size(); ++r) {
            const QJsonArray satir = satirlar.at(r).toArray();
            bool kalem = false, fatura = false;
            for (int c = 0; c < satir.size(); ++c) {
                const QJsonArray h = satir.at(c).toArray();
                if (h.at(0).toInt() == 0) continue;
                (c >= 7 ? kalem : fatura) = true;
                if (h.at(0).toInt() != 2) continue;
                const double d = h.at(1).toDouble();
                QVERIFY2(d == QString::number(d, 'f', 4).toDouble(), qPrintable(QString::number(d, 'g', 17)));
                if (d == std::floor(d) && c == 11) QCOMPARE(h.at(2).toString(), QStringLiteral("#,##0")); // "25", not "25,"
            }
            QVERIFY2(!(kalem && fatura), qPrintable(QString::number(r))); // no invoice column holds a line's value
            kalemler += kalem;
            const QJsonArray tarih = satir.at(0).toArray();
            if (tarih.at(0).toInt() != 3) continue; // not an invoice
            QCOMPARE(tarih.at(2).toString(), QStringLiteral("dd.mm.yyyy"));
            const QJsonArray tutar = satir.at(6).toArray();
            QCOMPARE(tutar.at(0).toInt(), 2); // a number
            QCOMPARE(tutar.at(2).toString(), QStringLiteral("#,##0.00"));
            hucreler << tl(tutar.at(1).toDouble());
        }
        QCOMPARE(hucreler, basilan);
        QVERIFY(kalemler > basilan.size());
        QVERIFY(!genelToplam.isEmpty());
        QCOMPARE(tl(satirlar.last().toArray().at(6).toArray().at(1).toDouble()), genelToplam);

        if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty()) QSKIP("LibreOffice is installed by the test command");
        const QJsonObject b = veriOkuyucusu("kitap_denetle.py", {xls, ayarlar_->filePath(QStringLiteral("lo"))}, hata);
        QVERIFY2(hata.isEmpty(), qPrintable(hata));
        QCOMPARE(b.value(QStringLiteral("basliklar")).toString(), QStringLiteral("$%1:$%1").arg(dondurulmus));
        QCOMPARE(b.value(QStringLiteral("kagit")).toInt(), 9); // A4
        QCOMPARE(b.value(QStringLiteral("yon")).toString(), QStringLiteral("landscape"));
        QVERIFY(b.value(QStringLiteral("sigdir")).toBool());
        QCOMPARE(b.value(QStringLiteral("genislik")).toInt(), 1);
        QCOMPARE(b.value(QStringLiteral("yukseklik")).toInt(), 0);
        QCOMPARE(b.value(QStringLiteral("duzeyler")).toArray(), (QJsonArray{0, 1, 2}));
        // The auto-filter with its arrows, in LibreOffice and in Gnumeric (which needs the drop-down objects).
        QVERIFY(b.value(QStringLiteral("filtre")).toString().startsWith(QStringLiteral("A%1:Q").arg(dondurulmus)));
        QCOMPARE(b.value(QStringLiteral("gnumericFiltre")).toString(), b.value(QStringLiteral("filtre")).toString());
        const QJsonArray formuller = b.value(QStringLiteral("formuller")).toArray();
        QVERIFY(formuller.size() >= 2);
        static const QRegularExpression altToplam(QStringLiteral(R"(^=SUBTOTAL\(9[,;]\$G\$(\d+):\$G\$(\d+)\)$)"));
        for (const QJsonValue& f : formuller) {
            const QJsonArray a = f.toArray();
            QCOMPARE(a.at(1).toInt(), 7); // NET TUTAR
            const auto m = altToplam.match(a.at(2).toString());
            QVERIFY2(m.hasMatch(), qPrintable(a.at(2).toString()));
            QVERIFY(m.captured(2).toInt() == a.at(0).toInt() - 1); // the rows above it
        }
        // The grand total over the whole body, from under the captions.
        QCOMPARE(altToplam.match(formuller.last().toArray().at(2).toString()).captured(1).toInt(), dondurulmus + 1);
        QVERIFY(pdfSayfalari(ayarlar_->filePath(QStringLiteral("lo/r.pdf"))) <= pdfSayfalari(pdf)); // no more sheets than report pages
    }

    // The .xlsx of a run holds the .xls's cells, each with its value and
    // format, on one sheet, with the same captions frozen under an
    // auto-filter, the same SUBTOTAL formulas, outline and print titles.
    void xlsxCiktisi() {
        turkceAyarlar();
        QVERIFY2(grupluCalisma().durum == 0, qPrintable(grupluCalisma().hata));
        const QString xls = gruplu("xls"), xlsx = gruplu("xlsx");
        QString hata;
        const QJsonArray eski = veriOkuyucusu("xls_oku.py", {xls}, hata).value(QStringLiteral("sayfalar")).toArray();
        const QJsonArray yeni = veriOkuyucusu("xlsx_oku.py", {xlsx}, hata).value(QStringLiteral("sayfalar")).toArray();
        QVERIFY2(hata.isEmpty(), qPrintable(hata));
        QCOMPARE(yeni.size(), 1);
        QCOMPARE(eski.size(), 1);
        const QJsonObject a = eski.first().toObject(), b = yeni.first().toObject();
        QCOMPARE(b.value(QStringLiteral("ad")), a.value(QStringLiteral("ad")));
        QCOMPARE(b.value(QStringLiteral("dondurulmus")), a.value(QStringLiteral("dondurulmus")));
        const QJsonArray as = a.value(QStringLiteral("satirlar")).toArray(), bs = b.value(QStringLiteral("satirlar")).toArray();
        QCOMPARE(bs.size(), as.size());
        for (qsizetype r = 0; r < as.size(); ++r) {
            const QJsonArray x = as.at(r).toArray(), y = bs.at(r).toArray();
            for (qsizetype c = 0; c < qMax(x.size(), y.size()); ++c) {
                const QJsonArray hx = x.at(c).toArray(), hy = y.at(c).toArray();
                if (hx.at(0).toInt() == 0 && hy.at(0).toInt() == 0) continue;
                QVERIFY2(hx.at(0) == hy.at(0) && hx.at(1) == hy.at(1), qPrintable(QStringLiteral("%1,%2").arg(r).arg(c)));
                if (hx.at(0).toInt() >= 2) QCOMPARE(hy.at(2).toString(), hx.at(2).toString());
            }
        }
        const int donuk = b.value(QStringLiteral("dondurulmus")).toInt();
        QCOMPARE(b.value(QStringLiteral("basliklar")).toString(), QStringLiteral("$%1:$%1").arg(donuk));
        QCOMPARE(b.value(QStringLiteral("filtre")).toString(), QStringLiteral("A%1:Q%2").arg(donuk).arg(bs.size()));
        QCOMPARE(b.value(QStringLiteral("duzeyler")).toArray(), (QJsonArray{1, 2})); // rows without a level are not listed
        const QJsonArray f = b.value(QStringLiteral("formuller")).toArray();
        QVERIFY(f.size() >= 2);
        QCOMPARE(f.last().toArray().at(2).toString(), QStringLiteral("=SUBTOTAL(9,$G$%1:$G$%2)").arg(donuk + 1).arg(bs.size() - 1));

        // Recalculated by LibreOffice: the grand total is the sum of the
        // invoices, and with a filter applied the sum of those in view.
        if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty()) QSKIP("LibreOffice is installed by the test command");
        const QJsonObject t = veriOkuyucusu("suzgec_toplami.py", {xlsx, ayarlar_->filePath(QStringLiteral("lo"))}, hata);
        QVERIFY2(hata.isEmpty(), qPrintable(hata));
        QCOMPARE(t.value(QStringLiteral("genel")).toDouble(), t.value(QStringLiteral("hepsi")).toDouble());
        QCOMPARE(t.value(QStringLiteral("suzgecli")).toDouble(), t.value(QStringLiteral("gorunen")).toDouble());
        QVERIFY(t.value(QStringLiteral("suzgecli")).toDouble() < t.value(QStringLiteral("genel")).toDouble());
    }

    // The HTML page: well formed for an independent parser, one section per
    // report page, the captions, amounts right-aligned; in a real browser it
    // shows the report's text and prints on as many sheets as the report has pages.
    void htmlCiktisi() {
        turkceAyarlar();
        QVERIFY2(grupluCalisma().durum == 0, qPrintable(grupluCalisma().hata));
        const QString htm = gruplu("htm");
        const int sayfalar = pdfSayfalari(gruplu("pdf"));
        QVERIFY(sayfalar >= 2);

        QString hata;
        const QJsonObject o = veriOkuyucusu("html_denetle.py", {htm}, hata);
        QVERIFY2(hata.isEmpty(), qPrintable(hata));
        QCOMPARE(o.value(QStringLiteral("hatalar")).toArray().size(), 0);
        QCOMPARE(o.value(QStringLiteral("acik")).toArray().size(), 0);
        QCOMPARE(o.value(QStringLiteral("bolumler")).toInt(), sayfalar);
        QCOMPARE(o.value(QStringLiteral("basliklar")).toArray().first().toString(), QStringLiteral("TARİH"));
        QCOMPARE(o.value(QStringLiteral("basliklar")).toArray().last().toString(), QStringLiteral("NET TUTAR"));
        static const QRegularExpression tutar(QStringLiteral(R"(^-?[\d.]+,\d{2,3}$|^-?[\d.]+(,\d+)?$)"));
        const QJsonArray saga = o.value(QStringLiteral("saga")).toArray();
        QVERIFY(saga.size() > 10);
        for (const QJsonValue& v : saga) QVERIFY2(tutar.match(v.toString()).hasMatch(), qPrintable(v.toString()));

        const QString tarayici = QStandardPaths::findExecutable(QStringLiteral("chromium"));
        if (tarayici.isEmpty()) QSKIP("chromium is installed by the test command; not on this machine");
        const QString url = QUrl::fromLocalFile(htm).toString();
        const QStringList ortak{QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                                QStringLiteral("--user-data-dir=") + ayarlar_->filePath(QStringLiteral("chromium"))};
        QProcess dom;
        dom.start(tarayici, ortak + QStringList{QStringLiteral("--dump-dom"), url});
        QVERIFY(dom.waitForFinished(120000));
        const QString agac = QString::fromUtf8(dom.readAllStandardOutput());
        QVERIFY2(agac.contains(QStringLiteral("FATURA LİSTESİ")), qPrintable(agac.left(300)));
        QCOMPARE(agac.count(QStringLiteral("<section class=\"sayfa\"")), sayfalar);
        const QString baski = ayarlar_->filePath(QStringLiteral("tarayici.pdf"));
        QProcess yazdir;
        yazdir.start(tarayici,
                     ortak + QStringList{QStringLiteral("--no-pdf-header-footer"), QStringLiteral("--print-to-pdf=") + baski, url});
        QVERIFY(yazdir.waitForFinished(120000));
        QCOMPARE(pdfSayfalari(baski), sayfalar); // the print styles break where the report does
        // On the report's paper whatever the browser's own (Letter here).
        QVERIFY2(pdfBilgisi(baski).contains(QStringLiteral("(A4)")), qPrintable(pdfBilgisi(baski)));
    }

    // Help, the versions and usage errors are answered with no display at
    // all: help and versions on standard output with status 0; the login
    // window asked for in batch mode, or an edit without "=", on standard
    // error with status 2 (the command line's own errors are the parser's).
    void ekransizCevaplar_data() {
        sutunlar<QStringList, int, QString>("argumanlar", "durum", "cikti");
        satirEkle("yardim", QStringList{"--help"}, 0, "--batch \"DB|Server|UserID|SqlUser|Password\" [options]");
        satirEkle("surum", QStringList{"--version"}, 0, "\nQt " + QString::fromLatin1(qVersion()) + "\nSQLite 3.");
        satirEkle("giris penceresi istenemez", QStringList{"--batch", "-1|SRV|1|sa|x"}, 2, "");
        satirEkle("esittirsiz", QStringList{"--batch", "DEMO", "--set", "Grupla"}, 2, "");
    }
    void ekransizCevaplar() {
        QFETCH(QStringList, argumanlar);
        QFETCH(int, durum);
        QFETCH(QString, cikti);
        turkceAyarlar();
        argumanlar.replaceInStrings(QRegularExpression(QStringLiteral("^DEMO$")), demo(1));
        const Sonuc s = calistir(argumanlar, {}, {}, {}, true);
        QCOMPARE(s.durum, durum);
        QVERIFY2(s.cikti.contains(cikti), qPrintable(s.cikti + s.hata));
        QCOMPARE(s.hata.isEmpty(), durum == 0);
    }
};

QTEST_MAIN(TstToplu)
#include "tst_toplu.moc"
