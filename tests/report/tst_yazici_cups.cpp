#include "app/Denetleyici.h"
#include "filterform/FiltreFormu.h"
#include "filterform/FiltreIzgarasi.h"
#include "ortak/TestOrtami.h"
#include "query/Sorgu.h"
#include "report/TopluCikti.h"
#include "startup/Veritabani.h"

#include <QApplication>
#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <pwd.h>
#include <unistd.h>

// The printer path through a real print system: a scheduler of our own with
// a queue of the CUPS-PDF driver. The report goes to it through the print
// dialog, accepted as a person accepts it, and without the dialog (the batch
// --print path); what the queue printed holds the pages, the paper and the
// text of the PDF of the same filters. Skipped where the scheduler cannot run.
class TstYaziciCups : public QObject {
    Q_OBJECT

    QTemporaryDir kok_;
    QProcess cupsd_;
    QString cikti_; // where CUPS-PDF writes the jobs of this user
    std::unique_ptr<GeciciSunucu> sunucu_;
    std::unique_ptr<KayitliMesajlar> kutular_;
    std::unique_ptr<SahteSistem> sistem_;
    std::unique_ptr<FiltreFormu> form_;
    Denetleyici denetleyici_;

    // The report of the form's filters as they stand.
    RaporGirdisi girdi() {
        denetleyici_.durum = Sorgu_Olustur(form_->FiltreGrd, Sorgu_Ortami(*denetleyici_.oturum, form_->sablon()), {});
        return Rapor_Girdisi(*denetleyici_.oturum, denetleyici_.durum, QString());
    }

    QString komut(const QString& program, const QStringList& argumanlar, int* durum = nullptr) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(program, argumanlar);
        p.waitForFinished(60000);
        if (durum) *durum = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        return QString::fromUtf8(p.readAll());
    }

    // The file of the job sent after `baslangic`, once CUPS-PDF finished it
    // (it names files after the job's title, so a later job may overwrite an earlier one's).
    QString yeniBaski(const QDateTime& baslangic) {
        QString dosya;
        (void)QTest::qWaitFor(
            [&] {
                for (const QFileInfo& f : QDir(cikti_).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
                    if (f.lastModified() >= baslangic) dosya = f.filePath();
                return !dosya.isEmpty() && komut(QStringLiteral("lpstat"), {QStringLiteral("-o")}).trimmed().isEmpty();
            },
            90000);
        return dosya;
    }

    // What the pages show that survives the print system, line by line as
    // they stand on the page: letters and digits of ASCII (the driver
    // re-encodes the faces and drops the others), the clock left out.
    QString metin(const QString& pdf) {
        QString t = komut(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        t.remove(QRegularExpression(QStringLiteral("\\d\\d:\\d\\d(:\\d\\d)?")));
        QStringList satirlar;
        for (const QString& satir : t.split(u'\n')) {
            QString s;
            for (const QChar c : satir)
                if (c.unicode() > 32 && c.unicode() < 127) s += c;
            if (!s.isEmpty()) satirlar << s;
        }
        return satirlar.join(u'\n');
    }
    QString bilgi(const QString& pdf, const char* alan) {
        const QString b = komut(QStringLiteral("pdfinfo"), {pdf});
        const auto m =
            QRegularExpression(QStringLiteral("^%1:\\s*(.*)$").arg(QLatin1String(alan)), QRegularExpression::MultilineOption).match(b);
        return m.captured(1).trimmed();
    }
    // "595.3 x 841.9 pts (A4)" as whole points: the paper and its orientation.
    QString kagit(const QString& pdf) {
        const auto m = QRegularExpression(QStringLiteral("([\\d.]+) x ([\\d.]+)")).match(bilgi(pdf, "Page size"));
        return QStringLiteral("%1x%2").arg(qRound(m.captured(1).toDouble())).arg(qRound(m.captured(2).toDouble()));
    }
    void ayniBaski(const QString& basilan, const QString& pdf) {
        QVERIFY2(!basilan.isEmpty(), "the queue printed nothing");
        QCOMPARE(bilgi(basilan, "Pages"), bilgi(pdf, "Pages"));
        QCOMPARE(kagit(basilan), kagit(pdf));
        QCOMPARE(metin(basilan), metin(pdf));
        QFile::remove(basilan);
    }

private slots:
    void initTestCase() {
        if (geteuid() != 0) QSKIP("CUPS-PDF prints only for a scheduler run as root; run the tests as root to print through CUPS");
        const char* gerekli[] = {"/usr/sbin/cupsd", "/usr/lib/cups/backend/cups-pdf", "/usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd"};
        for (const char* g : gerekli)
            if (!QFileInfo::exists(QString::fromLatin1(g)))
                QSKIP(qPrintable(QStringLiteral("%1 is missing (cups, printer-driver-cups-pdf)").arg(QString::fromLatin1(g))));
        const QString k = kok_.path();
        for (const char* d : {"spool", "cache", "state", "tmp", "log"}) QDir(k).mkpath(QString::fromLatin1(d));
        // The filters run as the scheduler's own user and write their temporary files here.
        QFile(k + QStringLiteral("/tmp")).setPermissions(QFileDevice::Permissions(0x7777));
        QFile conf(k + QStringLiteral("/cupsd.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write(QStringLiteral("Listen %1/cups.sock\nLogLevel info\nWebInterface No\nBrowsing No\nDefaultAuthType None\n"
                                  "<Location />\n Order allow,deny\n Allow all\n</Location>\n"
                                  "<Policy default>\n <Limit All>\n  Order deny,allow\n  Allow all\n </Limit>\n</Policy>\n")
                       .arg(k)
                       .toUtf8());
        conf.close();
        QFile dosyalar(k + QStringLiteral("/cups-files.conf"));
        QVERIFY(dosyalar.open(QIODevice::WriteOnly));
        dosyalar.write(QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\nTempDir %1/tmp\n"
                                      "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                                      "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\nSandboxing Relaxed\n")
                           .arg(k)
                           .toUtf8());
        dosyalar.close();
        qputenv("CUPS_SERVER", (k + QStringLiteral("/cups.sock")).toUtf8());
        cupsd_.start(QStringLiteral("/usr/sbin/cupsd"), {QStringLiteral("-f"), QStringLiteral("-c"), k + QStringLiteral("/cupsd.conf"),
                                                         QStringLiteral("-s"), k + QStringLiteral("/cups-files.conf")});
        if (!QTest::qWaitFor(
                [this] { return komut(QStringLiteral("lpstat"), {QStringLiteral("-r")}).contains(QLatin1String("is running")); }, 15000))
            QSKIP(qPrintable(QStringLiteral("the CUPS scheduler did not start here: ") + QString::fromUtf8(cupsd_.readAll())));
        int durum = 0;
        // Poppler's renderer keeps the pages' ASCII text readable in the driver's PDF.
        const QString cikis = komut(QStringLiteral("lpadmin"),
                                    {QStringLiteral("-p"), QStringLiteral("FaturaPDF"), QStringLiteral("-E"), QStringLiteral("-v"),
                                     QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), QString::fromLatin1(gerekli[2]),
                                     QStringLiteral("-o"), QStringLiteral("pdftops-renderer-default=pdftocairo")},
                                    &durum);
        QVERIFY2(durum == 0, qPrintable(cikis));
        komut(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("FaturaPDF")}, &durum);
        QCOMPARE(durum, 0);
        cikti_ = QString::fromLocal8Bit(getpwuid(geteuid())->pw_dir) + QStringLiteral("/PDF");
        sunucu_ = std::make_unique<GeciciSunucu>(150);
    }
    void cleanupTestCase() {
        if (cupsd_.state() == QProcess::NotRunning) return;
        cupsd_.terminate();
        cupsd_.waitForFinished(10000);
    }
    void init() {
        kutular_ = std::make_unique<KayitliMesajlar>();
        sistem_ = std::make_unique<SahteSistem>();
        bolgeselAyarla();
        denetleyici_ = {};
        denetleyici_.oturum = demoOturumu(*sunucu_);
        form_ = std::make_unique<FiltreFormu>(Liste_Ortami(*denetleyici_.oturum));
        QCOMPARE(form_->yukle(QStringLiteral(FATURA_KAYNAK_DIZINI "/data/Master.mtr")), QString());
        form_->etkinlestir();
        const int tarih = form_->FiltreGrd.satirBul(Sutun::FiltreLbl, QStringLiteral("İşlem Tarihi"));
        form_->duzenle(tarih, Sutun::Baslangic, QStringLiteral("01/01/2025"));
    }

    // "Yazıcı": the print dialog comes up with the default queue; accepted, the report prints.
    void diyalogla() {
        const QDateTime baslangic = QDateTime::currentDateTime().addSecs(-1);
        QString secilen;
        QTimer kabul;
        connect(&kabul, &QTimer::timeout, this, [&] {
            auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            kabul.stop();
            secilen = d->printer()->printerName();
            d->accept();
        });
        kabul.start(50);
        form_->RaporYeri.hucreYaz(0, 0, QStringLiteral("Yazıcı"));
        TamamBtn_Click(denetleyici_, *form_, nullptr);
        QCOMPARE(secilen, QStringLiteral("FaturaPDF"));
        QVERIFY(kutular_->kutular.isEmpty());
        const QString basilan = yeniBaski(baslangic);
        QTemporaryDir d;
        TopluCiktilar c;
        c.pdf = d.filePath(QStringLiteral("ayni.pdf"));
        QVERIFY(Dosyalara_Yaz(girdi(), c));
        ayniBaski(basilan, c.pdf);
    }

    // Without the dialog, in the same run as a PDF: the default printer, or a named one; an unknown one is told.
    void diyalogsuz_data() {
        sutunlar<QString, bool>("yazici", "basar");
        satirEkle("varsayilan", "", true);
        satirEkle("adiyla", "FaturaPDF", true);
        satirEkle("olmayan", "Yok", false);
    }
    void diyalogsuz() {
        QFETCH(QString, yazici);
        QFETCH(bool, basar);
        const QDateTime baslangic = QDateTime::currentDateTime().addSecs(-1);
        QTemporaryDir d;
        TopluCiktilar c;
        c.pdf = d.filePath(QStringLiteral("ayni.pdf"));
        c.yazici = yazici;
        QCOMPARE(Dosyalara_Yaz(girdi(), c), basar);
        if (!basar) {
            QCOMPARE(kutular_->kutular.size(), 1);
            QCOMPARE(kutular_->kutular.first().metin, QStringLiteral("Yazıcı bulunamadı: Yok"));
            return;
        }
        ayniBaski(yeniBaski(baslangic), c.pdf);
    }
};

QTEST_MAIN(TstYaziciCups)
#include "tst_yazici_cups.moc"
