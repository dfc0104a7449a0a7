#include "app/Denetleyici.h"
#include "filterform/FiltreFormu.h"
#include "filterform/FiltreFrm.h"
#include "report/Hedefler.h"
#include "report/TopluCikti.h"
#include "filterform/FiltreIzgarasi.h"
#include "ortak/TestOrtami.h"
#include "bant/OnizlemePenceresi.h"
#include "report/BekletFrm.h"
#include "report/DisaAktarim.h"
#include "report/TexteAtOzellikFrm.h"
#include "startup/Kayit.h"
#include "startup/Veritabani.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QJsonArray>
#include <QJsonObject>
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
    Denetleyici denetleyici_;

    // The report of the form's filters as they stand.
    RaporGirdisi girdi() {
        denetleyici_.durum = Sorgu_Olustur(form_->FiltreGrd, Sorgu_Ortami(*denetleyici_.oturum, form_->sablon()), {});
        return Rapor_Girdisi(*denetleyici_.oturum, denetleyici_.durum, QString());
    }

    QList<OnizlemePenceresi*> onizlemeler() {
        QList<OnizlemePenceresi*> l;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* o = qobject_cast<OnizlemePenceresi*>(w); o && o->isVisible()) l << o;
        return l;
    }

    // Presses `dugme` of the text options dialog whenever one comes up;
    // `goruldu` (if given) learns whether the run was over by then.
    QTimer* metinDiyaloguCevapla(QObject* ust, const QString& dugme, const std::function<void(TexteAtOzellikFrm*)>& once = {}) {
        auto* t = new QTimer(ust);
        connect(t, &QTimer::timeout, ust, [t, dugme, once] {
            auto* d = qobject_cast<TexteAtOzellikFrm*>(QApplication::activeModalWidget());
            if (!d) return;
            t->stop();
            if (once) once(d);
            d->findChild<QPushButton*>(dugme)->click();
        });
        t->start(0);
        return t;
    }

private slots:
    void initTestCase() { sunucu_ = std::make_unique<GeciciSunucu>(150); }
    void init() {
        kutular_ = std::make_unique<KayitliMesajlar>();
        sistem_ = std::make_unique<SahteSistem>();
        bolgeselAyarla();
        const std::shared_ptr<Oturum> oturum = demoOturumu(*sunucu_);
        oturum->firma.AnaParaFormat = QStringLiteral("#,##0.00");
        oturum->firma.sysfrm_nm = QStringLiteral("Anadolu Ticaret");
        denetleyici_ = {};
        denetleyici_.oturum = oturum;
        Kayit_Yaz(Kok::HKEY_CURRENT_USER, QStringLiteral("Software\\Fatura Listesi"), QStringLiteral("ExcelBicimi"), QString());
        form_ = std::make_unique<FiltreFormu>(Liste_Ortami(*oturum));
        QCOMPARE(form_->yukle(QStringLiteral(FATURA_KAYNAK_DIZINI "/data/Master.mtr")), QString());
        form_->etkinlestir();
        const int tarih = form_->FiltreGrd.satirBul(Sutun::FiltreLbl, QStringLiteral("İşlem Tarihi"));
        form_->duzenle(tarih, Sutun::Baslangic, QStringLiteral("01/01/2025"));
    }
    void cleanup() {
        for (auto* o : onizlemeler()) o->close();
        QCoreApplication::processEvents();
    }

    // "Kaydet" in the preview writes the pages it holds by the targets' own
    // writers: its workbook equals the Excel target's of the same filters cell for cell.
    void onizlemedenExcel() {
        TamamBtn_Click(denetleyici_, *form_, nullptr);
        const auto acik = onizlemeler();
        QCOMPARE(acik.size(), 1);
        QTemporaryDir dir;
        const QString onizlemeden = dir.filePath(QStringLiteral("onizleme.xls")), hedef = dir.filePath(QStringLiteral("hedef.xls"));
        QVERIFY(acik.first()->kaydet(OnizlemePenceresi::Bicim::Xls, onizlemeden));
        TopluCiktilar c;
        c.excel = hedef;
        QVERIFY(Dosyalara_Yaz(girdi(), c));
        QString hata;
        const QJsonObject a = veriOkuyucusu("xls_oku.py", {onizlemeden}, hata), b = veriOkuyucusu("xls_oku.py", {hedef}, hata);
        QVERIFY2(hata.isEmpty(), qPrintable(hata));
        QVERIFY(!a.value(QStringLiteral("sayfalar")).toArray().isEmpty());
        QCOMPARE(a, b);
        QVERIFY(kutular_->kutular.isEmpty());
    }

    // Closing the preview while its report runs stops the run: no message,
    // nothing left running; the next run opens a new window.
    void onizlemeCalisirkenKapanir() {
        QPointer<OnizlemePenceresi> kapatilan;
        bool kapatildi = false;
        QTimer bekci;
        connect(&bekci, &QTimer::timeout, this, [&] {
            for (auto* o : onizlemeler()) {
                if (kapatildi || !o->uretiliyor()) continue;
                kapatildi = true;
                kapatilan = o;
                o->close();
            }
        });
        bekci.start(0);
        TamamBtn_Click(denetleyici_, *form_, nullptr);
        bekci.stop();
        QVERIFY(kapatildi); // while it was producing pages
        QVERIFY2(kutular_->kutular.isEmpty(), qPrintable(kutular_->metinler().join(u'\n')));
        QVERIFY(!denetleyici_.uretiliyor);
        const qsizetype kapanista = kapatilan ? kapatilan->sayfalar().size() : -1;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(kapatilan.isNull() && onizlemeler().isEmpty());
        TamamBtn_Click(denetleyici_, *form_, nullptr);
        QCOMPARE(onizlemeler().size(), 1);
        QVERIFY(!onizlemeler().first()->uretiliyor());
        // The run stopped at the closing, not at the end of the report.
        QVERIFY2(kapanista >= 0 && kapanista < onizlemeler().first()->sayfalar().size(), qPrintable(QString::number(kapanista)));
    }

    // The preview shows the run's pages, its statement left on the clipboard.
    // A second run while it is open goes into the same window, from cleared
    // running values.
    void ikinciCalismaAyniPencere() {
        TamamBtn_Click(denetleyici_, *form_, nullptr);
        const auto ilk = onizlemeler();
        QCOMPARE(ilk.size(), 1);
        QCOMPARE(sistem_->pano, denetleyici_.durum.RaporSQL);
        QVERIFY(kutular_->kutular.isEmpty());
        const QList<Bant::Sayfa> ilkSayfalar = ilk.first()->sayfalar();
        ilk.first()->sayfayaGit(1);
        TamamBtn_Click(denetleyici_, *form_, nullptr);
        const auto ikinci = onizlemeler();
        QCOMPARE(ikinci.size(), 1);
        QCOMPARE(ikinci.first(), ilk.first());
        QVERIFY(!ikinci.first()->uretiliyor());
        QCOMPARE(ikinci.first()->gecerliSayfa(), 0);
        const QList<Bant::Sayfa>& ikinciSayfalar = ikinci.first()->sayfalar();
        QVERIFY(ilkSayfalar.size() >= 2);
        QCOMPARE(ikinciSayfalar.size(), ilkSayfalar.size());
        // Page footers carry the running count: equal only if the run started from zero.
        for (int i = 0; i < ilkSayfalar.size(); ++i) {
            QCOMPARE(ikinciSayfalar.at(i).ogeler.size(), ilkSayfalar.at(i).ogeler.size());
            for (int j = 0; j < ilkSayfalar.at(i).ogeler.size(); ++j)
                if (ilkSayfalar.at(i).ogeler.at(j).ad != QLatin1String("saat") &&
                    ilkSayfalar.at(i).ogeler.at(j).ad != QLatin1String("Tarih2"))
                    QCOMPARE(ikinciSayfalar.at(i).ogeler.at(j).metin, ilkSayfalar.at(i).ogeler.at(j).metin);
        }
    }

    // The text target: its options are asked once the run is over, over the
    // wait panel, starting from the defaults; Vazgeç writes nothing but still
    // opens what is there. What each option does is the writer's own rule.
    void metinHedefi_data() {
        sutunlar<QString, bool>("dugme", "yazilir");
        satirEkle("tamam", "btnOK", true);
        satirEkle("vazgec", "btnCancel", false);
    }
    void metinHedefi() {
        QFETCH(QString, dugme);
        QFETCH(bool, yazilir);
        QTemporaryDir dizin;
        sistem_->dizin = dizin.path();
        sistem_->varsayilanlar.insert(QStringLiteral("text/plain"), QStringLiteral("duzenleyici.desktop"));
        const QString yol = dizin.filePath(QStringLiteral("Temp.txt"));
        QWidget form;
        form.resize(600, 400);
        form.show();
        bool goruldu = false;
        metinDiyaloguCevapla(&form, dugme, [&](TexteAtOzellikFrm* d) {
            auto* panel = form.findChild<BekletFrm*>();
            goruldu = d->windowTitle() == QStringLiteral("Text'e Yazdır") && !d->BosSatirlariGizle->isChecked() &&
                      !d->UnicodeText->isChecked() && d->AlanAyiraci->text().isEmpty() && panel && panel->isVisible();
        });
        form_->RaporYeri.hucreYaz(0, 0, QStringLiteral("Text"));
        TamamBtn_Click(denetleyici_, *form_, &form);
        QVERIFY(goruldu);
        QVERIFY2(kutular_->kutular.isEmpty(), qPrintable(kutular_->metinler().join(u'\n')));
        QCOMPARE(sistem_->acilanlar, QStringList{yol});
        QVERIFY(!form.findChild<BekletFrm*>() || !form.findChild<BekletFrm*>()->isVisible());
        QCOMPARE(QFileInfo(yol).size() > 0, yazilir);
    }

    // A file target without a program for its file: its message, no run and
    // no file. With the desktop's program: the file is written under its
    // name, opened, and nothing else is left in the folder.
    void dosyaHedefi_data() {
        sutunlar<QString, QString, QString, QString, QByteArray>("hedef", "mime", "dosya", "mesaj", "imza");
        satirEkle("excel", "Excel", "application/vnd.ms-excel", "Temp.xls", "Excel Programını Yüklemelisiniz",
                  QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"));
        satirEkle("xlsx ayari", "Excel", "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet", "Temp.xlsx",
                  "Excel Programını Yüklemelisiniz", QByteArray("PK"));
        satirEkle("html", "Html", "text/html", "Temp.Htm", "Program Files Klasörüne Ulaşılmadı", QByteArray("<!DOCTYPE html>"));
    }
    void dosyaHedefi() {
        QFETCH(QString, hedef);
        QFETCH(QString, mime);
        QFETCH(QString, dosya);
        QFETCH(QString, mesaj);
        QFETCH(QByteArray, imza);
        if (dosya.endsWith(QLatin1String(".xlsx")))
            Kayit_Yaz(Kok::HKEY_CURRENT_USER, QStringLiteral("Software\\Fatura Listesi"), QStringLiteral("ExcelBicimi"),
                      QStringLiteral("xlsx"));
        QTemporaryDir dizin;
        sistem_->dizin = dizin.path();
        const QString yol = dizin.filePath(dosya);
        QWidget form;
        form.show();
        form_->RaporYeri.hucreYaz(0, 0, hedef);
        TamamBtn_Click(denetleyici_, *form_, &form);
        QCOMPARE(kutular_->metinler(), QStringList{mesaj});
        QVERIFY(sistem_->acilanlar.isEmpty());
        QVERIFY(!QFile::exists(yol));

        kutular_->kutular.clear();
        sistem_->varsayilanlar.insert(mime, QStringLiteral("program.desktop"));
        TamamBtn_Click(denetleyici_, *form_, &form);
        QVERIFY(kutular_->kutular.isEmpty());
        QCOMPARE(sistem_->acilanlar, QStringList{yol});
        QFile f(yol);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.read(imza.size()), imza);
        QCOMPARE(QDir(dizin.path()).entryList(QDir::Files | QDir::Hidden), QStringList{dosya});
    }

    // The form closed, or Escape pressed in its grid, while a run is under
    // way, through the real window: no crash, the run stops, the previous
    // file stays and nothing else is left in the folder, nothing opens.
    // Closing ends the form; Escape only stops the run.
    void calismaSirasindaKapanis_data() {
        QTest::addColumn<QString>("hedef");
        QTest::addColumn<QString>("nasil"); // "Çıkış" clicked, Escape in the grid, the window's close box
        QTest::addColumn<QString>("dosya");
        for (const char* nasil : {"cikis", "escape", "kapat"}) {
            QTest::addRow("excel %s", nasil) << "Excel" << nasil << "Temp.xls";
            QTest::addRow("html %s", nasil) << "Html" << nasil << "Temp.Htm";
            QTest::addRow("text %s", nasil) << "Text" << nasil << "Temp.txt";
            QTest::addRow("pdf %s", nasil) << "PDF" << nasil << "Temp.pdf";
        }
        QTest::addRow("ekran cikis") << "Ekran"
                                     << "cikis"
                                     << "";
        QTest::addRow("ekran escape") << "Ekran"
                                      << "escape"
                                      << "";
    }
    void calismaSirasindaKapanis() {
        QFETCH(QString, hedef);
        QFETCH(QString, nasil);
        QFETCH(QString, dosya);
        QTemporaryDir dizin;
        sistem_->dizin = dizin.path();
        QVERIFY(QFile::copy(QStringLiteral(FATURA_KAYNAK_DIZINI "/data/Master.mtr"), dizin.filePath(QStringLiteral("Master.mtr"))));
        for (const char* mime : {"application/vnd.ms-excel", "text/html", "text/plain", "application/pdf"})
            sistem_->varsayilanlar.insert(QLatin1String(mime), QStringLiteral("x.desktop"));
        if (!dosya.isEmpty()) {
            QFile eski(dizin.filePath(dosya));
            QVERIFY(eski.open(QIODevice::WriteOnly));
            eski.write("onceki");
        }
        Filtre_Formunu_Ac(denetleyici_.oturum);
        QPointer<FiltreFrm> f;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* ff = qobject_cast<FiltreFrm*>(w)) f = ff;
        QVERIFY(f);
        QVERIFY(QTest::qWaitFor([&f] { return f->form().degerlerYuklendi(); }, 10000));
        f->findChild<QComboBox*>(QStringLiteral("RaporYeri"))->setCurrentText(hedef);
        bool soruldu = false;
        metinDiyaloguCevapla(f, QStringLiteral("btnOK"), [&](TexteAtOzellikFrm*) { soruldu = true; });
        bool yapildi = false;
        auto* bekci = new QTimer(f);
        connect(bekci, &QTimer::timeout, f, [&] {
            if (yapildi || !f->calisiyor()) return;
            yapildi = true;
            if (nasil == QLatin1String("cikis"))
                QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("CikisBtn")), Qt::LeftButton);
            else if (nasil == QLatin1String("escape"))
                QTest::keyClick(f->findChild<QWidget*>(QStringLiteral("FiltreGrd")), Qt::Key_Escape);
            else
                f->close();
        });
        bekci->start(0);
        QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("TamamBtn")), Qt::LeftButton);
        QVERIFY(yapildi);
        QVERIFY(!soruldu);
        QVERIFY2(sistem_->acilanlar.isEmpty(), qPrintable(sistem_->acilanlar.join(u' ')));
        QVERIFY2(kutular_->kutular.isEmpty(), qPrintable(kutular_->metinler().join(u'\n')));
        if (nasil == QLatin1String("escape")) {
            QVERIFY(f && f->isVisible());
            delete f;
        } else {
            QTRY_VERIFY(f.isNull());
        }
        for (auto* o : onizlemeler()) QVERIFY(!o->uretiliyor());
        QStringList kalan = QDir(dizin.path()).entryList(QDir::Files);
        kalan.removeOne(QStringLiteral("Master.mtr"));
        QCOMPARE(kalan, dosya.isEmpty() ? QStringList{} : QStringList{dosya});
        if (!dosya.isEmpty()) QCOMPARE(dosyaIcerigi(dizin.filePath(dosya)), QByteArray("onceki"));
    }

    // A statement the server rejects (a regional number it cannot read) is
    // shown and leaves no preview behind.
    void reddedilenSorguOnizlemeAcmaz() {
        form_->duzenle(form_->FiltreGrd.satirBul(Sutun::FiltreLbl, QStringLiteral("Net Tutar")), Sutun::Baslangic,
                       QStringLiteral("1.000,5"));
        TamamBtn_Click(denetleyici_, *form_, nullptr);
        QCoreApplication::processEvents();
        QVERIFY(onizlemeler().isEmpty());
        QCOMPARE(kutular_->kutular.size(), 1);
        QCOMPARE(kutular_->kutular.first().simge, Simge::Kritik);
    }
};

QTEST_MAIN(TstCikti)
#include "tst_cikti.moc"
