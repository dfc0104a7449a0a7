#include "app/Denetleyici.h"
#include "filterform/FiltreFormu.h"
#include "filterform/FiltreIzgarasi.h"
#include "ortak/TestOrtami.h"
#include "platform/rapor/OnizlemePenceresi.h"
#include "report/BekletFrm.h"
#include "report/DisaAktarim.h"
#include "report/TexteAtOzellikFrm.h"
#include "platform/metin/Cp1254.h"
#include "startup/Degiskenler.h"
#include "startup/Subs.h"
#include "startup/Veritabani.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using Bant::OnizlemePenceresi;

// The "Tamam" path of the filter form on the demo company: the preview
// shows the report's pages; a composition message or a failing statement
// is shown and leaves no window behind.
class TstCikti : public QObject {
    Q_OBJECT

    std::unique_ptr<GeciciSunucu> sunucu_;
    std::unique_ptr<KayitliMesajlar> kutular_;
    std::unique_ptr<SahteSistem> sistem_;
    std::unique_ptr<FiltreFormu> form_;

    QList<OnizlemePenceresi*> onizlemeler() {
        QList<OnizlemePenceresi*> l;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* o = qobject_cast<OnizlemePenceresi*>(w); o && o->isVisible()) l << o;
        return l;
    }

private slots:
    void initTestCase() { sunucu_ = std::make_unique<GeciciSunucu>(150); }
    void init() {
        kutular_ = std::make_unique<KayitliMesajlar>();
        sistem_ = std::make_unique<SahteSistem>();
        bolgeselAyarla();
        demoOturumu(*sunucu_);
        Degiskenler& d = degiskenler();
        d.AnaParaFormat = QStringLiteral("#,##0.00");
        d.sysfrm_nm = QStringLiteral("Anadolu Ticaret");
        form_ = std::make_unique<FiltreFormu>();
        QCOMPARE(form_->yukle(QStringLiteral(FATURA_KAYNAK_DIZINI "/data/Master.mtr")), QString());
        form_->etkinlestir();
        const int tarih = form_->FiltreGrd.satirBul(Sutun::FiltreLbl, QStringLiteral("İşlem Tarihi"));
        form_->duzenle(tarih, Sutun::Baslangic, QStringLiteral("01/01/2025"));
    }
    void cleanup() {
        for (auto* o : onizlemeler()) o->close();
        QCoreApplication::processEvents();
    }

    void ekranOnizlemesi() {
        TamamBtn_Click(*form_, nullptr);
        const auto acik = onizlemeler();
        QCOMPARE(acik.size(), 1);
        OnizlemePenceresi* o = acik.first();
        QCOMPARE(o->windowTitle(), QStringLiteral("FATURA LİSTESİ"));
        QVERIFY(!o->uretiliyor());
        QVERIFY(o->sayfalar().size() >= 2);
        o->sayfayaGit(1);
        QCOMPARE(o->gecerliSayfa(), 1);
        o->sayfayaGit(99);
        QCOMPARE(o->gecerliSayfa(), int(o->sayfalar().size()) - 1);
        QVERIFY(kutular_->kutular.isEmpty());
        // The statement of the run is left on the clipboard.
        QCOMPARE(sistem_->pano, degiskenler().RaporSQL);
        o->sayfayaGit(0);
        QVERIFY(QTest::qWaitForWindowExposed(o));
        ekranKaydet(o, QStringLiteral("onizleme"));
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("onizleme.pdf"));
        QVERIFY(o->pdfKaydet(pdf));
        QVERIFY(QFileInfo(pdf).size() > 1000);
    }

    // A second run while the preview is open goes into the same window,
    // from cleared running values; after closing, a run opens a new one.
    void ikinciCalismaAyniPencere() {
        TamamBtn_Click(*form_, nullptr);
        const auto ilk = onizlemeler();
        QCOMPARE(ilk.size(), 1);
        const QList<Bant::Sayfa> ilkSayfalar = ilk.first()->sayfalar();
        ilk.first()->sayfayaGit(1);
        TamamBtn_Click(*form_, nullptr);
        const auto ikinci = onizlemeler();
        QCOMPARE(ikinci.size(), 1);
        QCOMPARE(ikinci.first(), ilk.first());
        QVERIFY(!ikinci.first()->uretiliyor());
        QCOMPARE(ikinci.first()->gecerliSayfa(), 0);
        const QList<Bant::Sayfa>& ikinciSayfalar = ikinci.first()->sayfalar();
        QCOMPARE(ikinciSayfalar.size(), ilkSayfalar.size());
        // Page footers carry the running count: equal only if the run started from zero.
        for (int i = 0; i < ilkSayfalar.size(); ++i) {
            QCOMPARE(ikinciSayfalar.at(i).ogeler.size(), ilkSayfalar.at(i).ogeler.size());
            for (int j = 0; j < ilkSayfalar.at(i).ogeler.size(); ++j)
                if (ilkSayfalar.at(i).ogeler.at(j).ad != QLatin1String("saat") &&
                    ilkSayfalar.at(i).ogeler.at(j).ad != QLatin1String("Tarih2"))
                    QCOMPARE(ikinciSayfalar.at(i).ogeler.at(j).metin, ilkSayfalar.at(i).ogeler.at(j).metin);
        }
        ikinci.first()->close();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TamamBtn_Click(*form_, nullptr);
        QCOMPARE(onizlemeler().size(), 1);
    }

    // The text target: the dialog's options, Vazgeç writing nothing but still
    // opening what is there, the viewer found through the desktop.
    void metinHedefi_data() {
        QTest::addColumn<QString>("dugme");
        QTest::addColumn<QString>("ayirac");
        QTest::addColumn<bool>("evrensel");
        QTest::newRow("tamam sabit sutunlar") << "btnOK"
                                              << "" << false;
        QTest::newRow("tamam ayiracli evrensel") << "btnOK"
                                                 << "|" << true;
        QTest::newRow("vazgec") << "btnCancel"
                                << "" << false;
    }
    void metinHedefi() {
        QFETCH(QString, dugme);
        QFETCH(QString, ayirac);
        QFETCH(bool, evrensel);
        QTemporaryDir dizin;
        sistem_->dizin = dizin.path();
        sistem_->varsayilanlar.insert(QStringLiteral("text/plain"), QStringLiteral("duzenleyici.desktop"));
        const QString yol = dizin.filePath(QStringLiteral("Temp.txt"));
        QWidget form;
        form.resize(600, 400);
        form.show();
        bool goruldu = false;
        QTimer::singleShot(0, &form, [&] {
            auto* d = qobject_cast<TexteAtOzellikFrm*>(QApplication::activeModalWidget());
            if (!d) return;
            goruldu = d->windowTitle() == QStringLiteral("Text'e Yazdır") && !d->BosSatirlariGizle->isChecked() &&
                      !d->UnicodeText->isChecked() && d->AlanAyiraci->text().isEmpty();
            d->AlanAyiraci->setText(ayirac);
            d->UnicodeText->setChecked(evrensel);
            d->BosSatirlariGizle->setChecked(true);
            d->findChild<QPushButton*>(dugme)->click();
        });
        form_->RaporYeri.hucreYaz(0, 0, QStringLiteral("Text"));
        TamamBtn_Click(*form_, &form);
        QVERIFY(goruldu);
        QVERIFY2(kutular_->kutular.isEmpty(), qPrintable(kutular_->metinler().join(u'\n')));
        QCOMPARE(sistem_->acilanlar, QStringList{yol}); // the viewer opens the file in every case
        QVERIFY(!form.findChild<BekletFrm*>() || !form.findChild<BekletFrm*>()->isVisible());
        QFile f(yol);
        if (dugme == QLatin1String("btnCancel")) {
            QVERIFY(!f.exists());
            return;
        }
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        QCOMPARE(b.startsWith("\xEF\xBB\xBF"), evrensel);
        const QString metin = evrensel ? QString::fromUtf8(b.mid(3)) : Cp1254::coz(b);
        QVERIFY(metin.startsWith(QStringLiteral("Anadolu Ticaret")));
        QVERIFY(metin.contains(QStringLiteral("FATURA LİSTESİ")));
        QVERIFY(!metin.contains(QStringLiteral("\r\n\r\n"))); // empty lines hidden
        if (!ayirac.isEmpty()) QVERIFY(metin.contains(QStringLiteral("TARİH|FİŞ NO|İŞLEM TİPİ|CARİ KOD|CARİ ÜNVAN|VADE|NET TUTAR\r\n")));
        QVERIFY(metin.count(QStringLiteral("Faturası")) > 10); // the invoices
    }

    // Escape on the wait panel cancels: the previous file stays, nothing opens.
    void metinHedefiIptal() {
        QTemporaryDir dizin;
        sistem_->dizin = dizin.path();
        sistem_->varsayilanlar.insert(QStringLiteral("text/plain"), QStringLiteral("duzenleyici.desktop"));
        const QString yol = dizin.filePath(QStringLiteral("Temp.txt"));
        QFile eski(yol);
        QVERIFY(eski.open(QIODevice::WriteOnly));
        eski.write("onceki");
        eski.close();
        QWidget form;
        form.show();
        QTimer::singleShot(0, &form, [] {
            if (auto* d = qobject_cast<TexteAtOzellikFrm*>(QApplication::activeModalWidget()))
                d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
        // The first page made: the user presses Escape on the panel.
        QTimer* bekci = new QTimer(&form);
        connect(bekci, &QTimer::timeout, &form, [&form] {
            auto* p = form.findChild<BekletFrm*>();
            if (p && p->isVisible()) QTest::keyClick(p, Qt::Key_Escape);
        });
        bekci->start(0);
        form_->RaporYeri.hucreYaz(0, 0, QStringLiteral("Text"));
        TamamBtn_Click(*form_, &form);
        QVERIFY(sistem_->acilanlar.isEmpty());
        QVERIFY(eski.open(QIODevice::ReadOnly));
        QCOMPARE(eski.readAll(), QByteArray("onceki"));
        QCOMPARE(QDir(dizin.path()).entryList(QDir::Files), QStringList{QStringLiteral("Temp.txt")}); // no stray file
        QVERIFY(!degiskenler().RaporUretiliyor);
    }

    // The Excel target: the settings store's Office versions first (the
    // oldest wins), else the desktop's program; without either, its message
    // and no run.
    void excelHedefi_data() {
        QTest::addColumn<QStringList>("surumler"); // "version=path"
        QTest::addColumn<bool>("masaustu");
        QTest::addColumn<QString>("acilan"); // "%1" is the file
        QTest::newRow("en eski surum") << QStringList{"14.0=C:\\Office14\\", "11.0=C:\\Office11\\"} << true << "C:/Office11/Excel.Exe %1";
        QTest::newRow("masaustu programi") << QStringList{} << true << "%1";
        QTest::newRow("program yok") << QStringList{} << false << "";
    }
    void excelHedefi() {
        QFETCH(QStringList, surumler);
        QFETCH(bool, masaustu);
        QFETCH(QString, acilan);
        QTemporaryDir dizin;
        sistem_->dizin = dizin.path();
        for (const char* v : {"10.0", "11.0", "12.0", "13.0", "14.0"})
            Kayit_Yaz(Kok::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Office\\%1\\Excel\\InstallRoot").arg(QLatin1String(v)),
                      QStringLiteral("Path"), QString());
        for (const QString& s : surumler)
            Kayit_Yaz(Kok::HKEY_LOCAL_MACHINE,
                      QStringLiteral("SOFTWARE\\Microsoft\\Office\\%1\\Excel\\InstallRoot").arg(s.section(u'=', 0, 0)),
                      QStringLiteral("Path"), s.section(u'=', 1));
        if (masaustu) sistem_->varsayilanlar.insert(QStringLiteral("application/vnd.ms-excel"), QStringLiteral("calc.desktop"));
        const QString yol = dizin.filePath(QStringLiteral("Temp.xls"));
        QWidget form;
        form.show();
        form_->RaporYeri.hucreYaz(0, 0, QStringLiteral("Excel"));
        TamamBtn_Click(*form_, &form);
        QFile f(yol);
        if (acilan.isEmpty()) {
            QCOMPARE(kutular_->metinler(), QStringList{QStringLiteral("Excel Programını Yüklemelisiniz")});
            QVERIFY(sistem_->acilanlar.isEmpty());
            QVERIFY(!f.exists());
            return;
        }
        QVERIFY(kutular_->kutular.isEmpty());
        QCOMPARE(sistem_->acilanlar, QStringList{acilan.arg(yol)});
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(8), QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1")); // a compound document
    }

    // The HTML target: the settings store's browser when it names one (and
    // its message when the file is missing), else the desktop's browser.
    void htmlHedefi_data() {
        QTest::addColumn<QString>("programFiles"); // "*" : a folder of the test holding the browser
        QTest::addColumn<bool>("masaustu");
        QTest::addColumn<QString>("acilan"); // "%1" is the file, "%2" the test's folder
        QTest::newRow("kayittaki tarayici") << "*" << true << "%2/Internet Explorer/iexplore.exe %1";
        QTest::newRow("kayittaki tarayici yok") << "C:\\Yok" << true << "";
        QTest::newRow("masaustu tarayicisi") << "" << true << "%1";
        QTest::newRow("tarayici yok") << "" << false << "";
    }
    void htmlHedefi() {
        QFETCH(QString, programFiles);
        QFETCH(bool, masaustu);
        QFETCH(QString, acilan);
        QTemporaryDir dizin;
        sistem_->dizin = dizin.path();
        if (programFiles == QLatin1String("*")) {
            programFiles = dizin.path();
            QDir(dizin.path()).mkpath(QStringLiteral("Internet Explorer"));
            QFile ie(dizin.filePath(QStringLiteral("Internet Explorer/iexplore.exe")));
            QVERIFY(ie.open(QIODevice::WriteOnly));
        }
        Kayit_Yaz(Kok::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"),
                  QStringLiteral("ProgramFilesDir"), programFiles);
        if (masaustu) sistem_->varsayilanlar.insert(QStringLiteral("text/html"), QStringLiteral("tarayici.desktop"));
        const QString yol = dizin.filePath(QStringLiteral("Temp.Htm"));
        QWidget form;
        form.show();
        form_->RaporYeri.hucreYaz(0, 0, QStringLiteral("Html"));
        TamamBtn_Click(*form_, &form);
        Kayit_Yaz(Kok::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"),
                  QStringLiteral("ProgramFilesDir"), QString());
        if (acilan.isEmpty()) {
            QCOMPARE(kutular_->metinler(), QStringList{QStringLiteral("İnternet Explorer Başlatılamdı.")});
            QVERIFY(sistem_->acilanlar.isEmpty());
            QVERIFY(!QFile::exists(yol));
            return;
        }
        QVERIFY(kutular_->kutular.isEmpty());
        QCOMPARE(sistem_->acilanlar, QStringList{acilan.arg(yol, dizin.path())});
        QFile f(yol);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("<!DOCTYPE html>"));
    }

    // The wait panel of each file target: its exact message while the run
    // lasts, light green with the highlight-text colour, the two swapping;
    // a statement the server rejects leaves no panel waiting and no file.
    void beklemePaneli_data() {
        QTest::addColumn<QString>("hedef");
        QTest::addColumn<QString>("mesaj");
        QTest::addColumn<QString>("dosya");
        QTest::addColumn<bool>("hatali");
        QTest::newRow("excel") << "Excel"
                               << "Excel'e  Gönderiliyor"
                               << "Temp.xls" << false;
        QTest::newRow("html") << "Html"
                              << "HTML'e Gönderiliyor"
                              << "Temp.Htm" << false;
        QTest::newRow("text") << "Text"
                              << "Text'e Gönderiliyor"
                              << "Temp.txt" << false;
        QTest::newRow("excel reddedilen sorgu") << "Excel"
                                                << "Excel'e  Gönderiliyor"
                                                << "Temp.xls" << true;
    }
    void beklemePaneli() {
        QFETCH(QString, hedef);
        QFETCH(QString, mesaj);
        QFETCH(QString, dosya);
        QFETCH(bool, hatali);
        QTemporaryDir dizin;
        sistem_->dizin = dizin.path();
        for (const char* mime : {"application/vnd.ms-excel", "text/html", "text/plain"})
            sistem_->varsayilanlar.insert(QLatin1String(mime), QStringLiteral("x.desktop"));
        if (hatali)
            form_->duzenle(form_->FiltreGrd.satirBul(Sutun::FiltreLbl, QStringLiteral("Net Tutar")), Sutun::Baslangic,
                           QStringLiteral("1.000,5"));
        QWidget form;
        form.resize(600, 400);
        form.show();
        QTimer::singleShot(0, &form, [] {
            if (auto* d = qobject_cast<TexteAtOzellikFrm*>(QApplication::activeModalWidget()))
                d->findChild<QPushButton*>(QStringLiteral("btnOK"))->click();
        });
        QStringList gorulen;
        QList<QColor> zeminler;
        QTimer* bekci = new QTimer(&form);
        connect(bekci, &QTimer::timeout, &form, [&] {
            auto* p = form.findChild<BekletFrm*>();
            if (!p || !p->isVisible()) return;
            if (!gorulen.contains(p->MesajLbl->text())) gorulen << p->MesajLbl->text();
            if (zeminler.isEmpty()) {
                zeminler << p->zemin() << p->yazi();
                p->renkleriDegistir();
                zeminler << p->zemin() << p->palette().color(QPalette::Window);
            }
        });
        bekci->start(0);
        form_->RaporYeri.hucreYaz(0, 0, hedef);
        TamamBtn_Click(*form_, &form);
        QVERIFY(!form.findChild<BekletFrm*>()->isVisible());
        QVERIFY(!degiskenler().RaporUretiliyor);
        QCOMPARE(QFile::exists(dizin.filePath(dosya)), !hatali);
        QCOMPARE(sistem_->acilanlar.size(), hatali ? 0 : 1);
        if (hatali) {
            QCOMPARE(kutular_->kutular.size(), 1);
            return; // the server refuses before the first row: the panel never had to wait
        }
        QCOMPARE(gorulen, QStringList{mesaj});
        QCOMPARE(zeminler.size(), 4);
        QCOMPARE(zeminler.at(0), QColor(0x99, 0xE6, 0xAA));
        QCOMPARE(zeminler.at(1), QApplication::palette().color(QPalette::HighlightedText));
        QCOMPARE(zeminler.at(2), zeminler.at(1)); // swapped
        QCOMPARE(zeminler.at(3), zeminler.at(1));
        QFont f = form.findChild<BekletFrm*>()->MesajLbl->font();
        QVERIFY(f.bold() && f.pointSize() == 12 && f.family() == QStringLiteral("Arial Narrow"));
    }

    // The options dialog as the suite lays it out, in twips.
    void metinSecenekleri() {
        TexteAtOzellikFrm d;
        QCOMPARE(d.windowTitle(), QStringLiteral("Text'e Yazdır"));
        struct Beklenen {
            const char* ad;
            const char* metin;
            QRect yer;
        };
        const Beklenen kontroller[] = {
            {"BosSatirlariGizle", "Boş Satırları Gizle", TexteAtOzellikFrm::twip(60, 900, 1575, 255)},
            {"UnicodeText", "Evrensel Kod", TexteAtOzellikFrm::twip(60, 1200, 1575, 255)},
            {"btnOK", "Tamam", TexteAtOzellikFrm::twip(1980, 1080, 825, 375)},
            {"btnCancel", "Vazgeç", TexteAtOzellikFrm::twip(2790, 1080, 855, 375)},
        };
        for (const Beklenen& b : kontroller) {
            auto* w = d.findChild<QAbstractButton*>(QLatin1String(b.ad));
            QVERIFY(w);
            QCOMPARE(w->text(), QString::fromUtf8(b.metin));
            // In its place; wider only where its text needs it, and clear of the buttons.
            QCOMPARE(w->geometry().topLeft(), b.yer.topLeft());
            QCOMPARE(w->height(), b.yer.height());
            QVERIFY(w->width() >= b.yer.width());
            if (!qobject_cast<QPushButton*>(w))
                QVERIFY(!w->geometry().intersects(d.findChild<QWidget*>(QStringLiteral("btnOK"))->geometry()));
        }
        QStringList etiketler;
        for (auto* l : d.findChildren<QLabel*>(QStringLiteral("lblTag"))) etiketler << l->property("Index").toString() + l->text();
        etiketler.sort();
        QCOMPARE(etiketler, (QStringList{QStringLiteral("0Sayfa Ayıracı"), QStringLiteral("1Alan Ayıracı")}));
        QVERIFY(d.AlanAyiraci->text().isEmpty() && d.Sayfa_Ayiraci->text().isEmpty());
        QVERIFY(d.Iptal);
        d.reject(); // the close box
        QVERIFY(d.Iptal);
    }

    void tarihMesajiCiktiUretmez() {
        const int tarih = form_->FiltreGrd.satirBul(Sutun::FiltreLbl, QStringLiteral("İşlem Tarihi"));
        form_->duzenle(tarih, Sutun::Bitis, QStringLiteral("31/02/2026"));
        degiskenler().SeciliIsyerleri = QStringLiteral("eski");
        TamamBtn_Click(*form_, nullptr);
        QVERIFY(onizlemeler().isEmpty());
        QCOMPARE(kutular_->metinler(), QStringList{QStringLiteral("Lütfen tarihi doğru giriniz")});
        QCOMPARE(degiskenler().SeciliIsyerleri, QStringLiteral("eski"));
    }

    void hataliSorguMesajVerir() {
        const int fis = form_->FiltreGrd.satirBul(Sutun::FiltreLbl, QStringLiteral("Net Tutar"));
        form_->duzenle(fis, Sutun::Baslangic, QStringLiteral("1.000,5")); // a regional number the server cannot read
        TamamBtn_Click(*form_, nullptr);
        QCoreApplication::processEvents();
        QVERIFY(onizlemeler().isEmpty());
        QCOMPARE(kutular_->kutular.size(), 1);
        QCOMPARE(kutular_->kutular.first().simge, Simge::Kritik);
    }
};

QTEST_MAIN(TstCikti)
#include "tst_cikti.moc"
