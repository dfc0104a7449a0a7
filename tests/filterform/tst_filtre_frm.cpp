#include "filterform/FiltreFrm.h"
#include "filterform/FiltreIzgarasi.h"
#include "filterform/SecimListesi.h"
#include "ortak/TestOrtami.h"
#include "platform/izgara/IzgaraGorunumu.h"
#include "startup/Degiskenler.h"
#include "startup/ProgramSonu.h"
#include "startup/Veritabani.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolButton>
#include <QtTest>

// The filter form as a window: the grid shows the rows, the value cells
// offer their lists, the caption column cannot be entered.
class TstFiltreFrm : public QObject {
    Q_OBJECT

    std::unique_ptr<GeciciSunucu> sunucu_;
    std::unique_ptr<KayitliMesajlar> kutular_;
    std::unique_ptr<SahteSistem> sistem_;

    FiltreFrm* ac() {
        demoOturumu(*sunucu_);
        auto* f = new FiltreFrm;
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f)) return nullptr;
        if (!QTest::qWaitFor([] { return degiskenler().DegerlerYuklendi; }, 10000)) return nullptr;
        return f;
    }

private slots:
    void init() {
        sunucu_ = std::make_unique<GeciciSunucu>(60);
        kutular_ = std::make_unique<KayitliMesajlar>();
        sistem_ = std::make_unique<SahteSistem>();
        sistem_->dizin = QStringLiteral(FATURA_KAYNAK_DIZINI "/data");
        bolgeselAyarla();
    }

    void baslikVeSatirlar() {
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        QCOMPARE(f->windowTitle(), QStringLiteral("FATURA LİSTESİ"));
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        QVERIFY(grid);
        for (int c = 3; c < 10; ++c) QVERIFY(grid->isColumnHidden(c));
        QCOMPARE(grid->columnWidth(0), IzgaraGorunumu::twipPiksel(2265));
        auto* yer = f->findChild<QComboBox*>(QStringLiteral("RaporYeri"));
        QCOMPARE(yer->currentText(), QStringLiteral("Ekran"));
        QVERIFY(!yer->isEditable());
        QCOMPARE(yer->count(), 6);
        QCOMPARE(f->findChild<QProgressBar*>(QStringLiteral("Bar1"))->maximum(), f->form().FiltreGrd.satirSayisi() - 1);
    }

    void listeDuzenleyicisi_data() {
        QTest::addColumn<QString>("baslik");
        QTest::addColumn<bool>("serbest");
        QTest::newRow("yalniz secilir") << "Şehir" << false;
        QTest::newRow("serbest giris") << "Cari Kodu" << true;
    }
    void listeDuzenleyicisi() {
        QFETCH(QString, baslik);
        QFETCH(bool, serbest);
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        IzgaraModeli& m = f->form().FiltreGrd;
        const int satir = m.satirBul(Sutun::FiltreLbl, baslik);
        grid->setCurrentIndex(m.index(satir, m.sutunNo(Sutun::Baslangic)));
        grid->edit(grid->currentIndex());
        auto* kutu = grid->findChild<QComboBox*>();
        QVERIFY(kutu);
        QCOMPARE(kutu->isEditable(), serbest);
        QVERIFY(kutu->count() > 1);
        if (!serbest) QCOMPARE(kutu->itemText(0), QStringLiteral("Hepsi"));
        kutu->setCurrentIndex(1);
        const QString secilen = kutu->currentText();
        grid->setCurrentIndex(m.index(satir + 1, m.sutunNo(Sutun::Baslangic))); // commits the editor
        QCOMPARE(m.hucre(satir, Sutun::Baslangic), secilen);
        ekranKaydet(f.get(), serbest ? QStringLiteral("filtre-serbest") : QStringLiteral("filtre-liste"));
    }

    // The "..." button of a multiple-choice row opens the check list over the
    // grid; the keyboard alone makes the choice: Space inverts, Enter stores,
    // Escape drops.
    void secimListesiKlavyeyle_data() {
        QTest::addColumn<bool>("vazgec");
        QTest::newRow("enter saklar") << false;
        QTest::newRow("escape birakir") << true;
    }
    void secimListesiKlavyeyle() {
        QFETCH(bool, vazgec);
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        auto* dugme = f->findChild<QToolButton*>(QStringLiteral("AraBtn"));
        auto* liste = f->findChild<IzgaraGorunumu*>(QStringLiteral("CoktanSecmeliGrd"));
        IzgaraModeli& m = f->form().FiltreGrd;
        const int ambar = m.satirBul(Sutun::FiltreLbl, QStringLiteral("Ambar No"));
        grid->setCurrentIndex(m.index(m.satirBul(Sutun::FiltreLbl, QStringLiteral("Şehir")), m.sutunNo(Sutun::Baslangic)));
        QVERIFY(!dugme->isVisible()); // an ordinary row has no button
        grid->setCurrentIndex(m.index(ambar, m.sutunNo(Sutun::Baslangic)));
        QTRY_VERIFY(dugme->isVisible());
        QCOMPARE(dugme->width(), dugme->height());
        QVERIFY(grid->visualRect(m.index(ambar, m.sutunNo(Sutun::Baslangic))).contains(dugme->geometry().center()));
        QTest::mouseClick(dugme, Qt::LeftButton);
        QTRY_VERIFY(liste->isVisible());
        QVERIFY(liste->hasFocus());
        const IzgaraModeli& secenekler = f->form().CoktanSecmeliGrd;
        QCOMPARE(secenekler.hucre(0, SecimSutun::Tip), QStringLiteral("Hepsi"));
        QTest::keyClick(liste, Qt::Key_Space); // "Hepsi" off: all off
        QTest::keyClick(liste, Qt::Key_Down);
        QTest::keyClick(liste, Qt::Key_Space); // the first warehouse on
        QVERIFY(Secili_Mi(secenekler, 1) && !Secili_Mi(secenekler, 0) && !Secili_Mi(secenekler, 2));
        ekranKaydet(f.get(), QStringLiteral("secim-listesi"));
        QTest::keyClick(liste, vazgec ? Qt::Key_Escape : Qt::Key_Return);
        QTRY_VERIFY(!liste->isVisible());
        QVERIFY(f->isVisible()); // Escape in the list does not close the form
        QCOMPARE(m.hucre(ambar, Sutun::Baslangic), vazgec ? QStringLiteral("Hepsi") : QStringLiteral("Secimli"));
        QCOMPARE(m.hucre(ambar, Sutun::CoktanSecmeSecim), vazgec ? QString() : secenekler.hucre(1, SecimSutun::Tip) + u',');
    }

    void baslikSutunuGirilmez() {
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        IzgaraModeli& m = f->form().FiltreGrd;
        const QModelIndex once = grid->currentIndex();
        grid->setCurrentIndex(m.index(3, 0));
        QCOMPARE(grid->currentIndex(), once);
        // A single-value row's end cell sends the cursor back to its start.
        const int tk = m.satirBul(Sutun::FiltreLbl, QStringLiteral("Şehir"));
        grid->setCurrentIndex(m.index(tk, m.sutunNo(Sutun::Bitis)));
        QCOMPARE(grid->currentIndex(), m.index(tk, m.sutunNo(Sutun::Baslangic)));
        QCOMPARE(m.gecerliSutun(), m.sutunNo(Sutun::Baslangic));
    }

    void gruplamaGenelToplamiAcar() {
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        IzgaraModeli& m = f->form().FiltreGrd;
        const int grupla = m.satirBul(Sutun::FiltreLbl, QStringLiteral("Grupla"));
        grid->setCurrentIndex(m.index(grupla, m.sutunNo(Sutun::Baslangic)));
        grid->model()->setData(grid->currentIndex(), QStringLiteral("Şehir"), Qt::EditRole);
        QCOMPARE(m.hucre(m.satirBul(Sutun::FiltreLbl, QStringLiteral("Genel Rapor Toplamı")), Sutun::Baslangic), QStringLiteral("Evet"));
    }

    void bozukSablonPencereyiAcmaz() {
        sistem_->dizin = QStringLiteral("/yok");
        degiskenleriSifirla();
        try {
            FiltreFrm f;
            QFAIL("the form opened on a missing template");
        } catch (const ProgramSonu& s) { QCOMPARE(s.durum, 1); }
        QCOMPARE(kutular_->kutular.size(), 1);
        QCOMPARE(kutular_->kutular.first().simge, Simge::Kritik);
    }
};

QTEST_MAIN(TstFiltreFrm)
#include "tst_filtre_frm.moc"
