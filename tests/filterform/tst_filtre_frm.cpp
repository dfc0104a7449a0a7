#include "filterform/FiltreFrm.h"
#include "filterform/FiltreIzgarasi.h"
#include "filterform/SecimListesi.h"
#include "ortak/TestOrtami.h"
#include "platform/izgara/IzgaraGorunumu.h"
#include "startup/ProgramSonu.h"
#include "startup/BolgeselAyar.h"
#include "startup/Veritabani.h"
#include "template/Sablon.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QLineEdit>
#include <QProgressBar>
#include <QToolButton>
#include "filterform/Secenekler.h"

#include <QtTest>

// The filter form as a window: the grid shows the rows, the value cells
// offer their lists, the caption column cannot be entered.
class TstFiltreFrm : public QObject {
    Q_OBJECT

    std::unique_ptr<GeciciSunucu> sunucu_;
    std::unique_ptr<KayitliMesajlar> kutular_;
    std::unique_ptr<SahteSistem> sistem_;
    std::shared_ptr<Oturum> oturum_;

    // `gostermeden` sees the window before it is shown and starts loading.
    FiltreFrm* ac(const std::function<void(FiltreFrm*)>& gostermeden = {}) {
        oturum_ = demoOturumu(*sunucu_);
        auto* f = new FiltreFrm(Liste_Ortami(*oturum_), oturum_->firma.sysfrm_nm);
        if (gostermeden) gostermeden(f);
        f->show();
        f->activateWindow();
        if (!QTest::qWaitForWindowActive(f)) return nullptr;
        if (!QTest::qWaitFor([f] { return f->form().degerlerYuklendi(); }, 10000)) return nullptr;
        return f;
    }

    // The "Ambar No" row's check list, opened by a click on its "..." button;
    // null when it did not open.
    static IzgaraGorunumu* ambarListesiniAc(FiltreFrm* f) {
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        auto* liste = f->findChild<IzgaraGorunumu*>(QStringLiteral("CoktanSecmeliGrd"));
        IzgaraModeli& m = f->form().FiltreGrd;
        grid->setCurrentIndex(m.index(m.satirBul(Sutun::FiltreLbl, QStringLiteral("Ambar No")), m.sutunNo(Sutun::Baslangic)));
        auto* dugme = f->findChild<QToolButton*>(QStringLiteral("AraBtn"));
        if (!QTest::qWaitFor([dugme] { return dugme->isVisible(); })) return nullptr;
        QTest::mouseClick(dugme, Qt::LeftButton);
        return QTest::qWaitFor([liste] { return liste->isVisible() && liste->hasFocus(); }) ? liste : nullptr;
    }

private slots:
    void init() {
        sunucu_ = std::make_unique<GeciciSunucu>(60);
        kutular_ = std::make_unique<KayitliMesajlar>();
        sistem_ = std::make_unique<SahteSistem>();
        sistem_->dizin = QStringLiteral(FATURA_KAYNAK_DIZINI "/data");
        bolgeselAyarla();
    }

    void listeDuzenleyicisi_data() {
        sutunlar<QString, bool>("baslik", "serbest");
        satirEkle("yalniz secilir", "Şehir", false);
        satirEkle("serbest giris", "Cari Kodu", true);
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
    }

    // A pick-only list too long for a drop-down: typing offers the values
    // that start with the text; Enter stores only one of them.
    void uzunListeYazarakSecilir() {
        sunucu_->calistir(QStringLiteral("DEMOFIRMA"),
                          QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 100000 UNION ALL SELECT i+1 FROM n WHERE i<%1)"
                                         " INSERT INTO CARIKART (Cari_ID, Grup_Kod) SELECT i, printf('G%05d', i - 100000) FROM n")
                              .arg(100000 + kEnCokSecenek));
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        IzgaraModeli& m = f->form().FiltreGrd;
        const int satir = m.satirBul(Sutun::FiltreLbl, QStringLiteral("Cari Grup Kodu"));
        grid->setFocus();
        grid->setCurrentIndex(m.index(satir, m.sutunNo(Sutun::Baslangic)));
        for (const auto& [yazilan, saklanan] : {std::pair{"G0001", "Hepsi"}, std::pair{"G00012", "G00012"}}) {
            QTest::keyClick(grid, yazilan[0]);
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(yazilan + 1));
            auto* kutu = grid->findChild<QComboBox*>();
            QVERIFY(kutu);
            // "Hepsi", then G00010 to G00019 (or G00012 alone).
            const int beklenen = QByteArray(yazilan).size() == 5 ? 11 : 2;
            QVERIFY(QTest::qWaitFor([kutu, beklenen] { return kutu->count() == beklenen; }));
            QCOMPARE(kutu->itemText(1), QStringLiteral("G0001%1").arg(beklenen == 11 ? 0 : 2));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(QTest::qWaitFor([grid] { return !grid->duzenleniyor(); }));
            QCOMPARE(m.hucre(satir, Sutun::Baslangic), QString::fromLatin1(saklanan));
        }
        QVERIFY(kutular_->kutular.isEmpty());
    }

    // The "..." button of a multiple-choice row opens the check list over the
    // grid: Space inverts, a click on a box inverts it, a click beside it does
    // not. Enter, a second click on "...", scrolling the grid or a click
    // elsewhere store the choice and close the list; Escape drops it.
    void secimListesi_data() {
        QTest::addColumn<QString>("kapanis");
        satirEkle("enter saklar", "enter");
        satirEkle("escape birakir", "escape");
        satirEkle("ikinci tiklama saklar", "dugme");
        satirEkle("kaydirma saklar", "kaydirma");
        satirEkle("baska hucreye tiklama saklar", "odak");
    }
    void secimListesi() {
        QFETCH(QString, kapanis);
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        f->resize(f->width(), 300); // room to scroll
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        auto* dugme = f->findChild<QToolButton*>(QStringLiteral("AraBtn"));
        IzgaraModeli& m = f->form().FiltreGrd;
        const int ambar = m.satirBul(Sutun::FiltreLbl, QStringLiteral("Ambar No"));
        grid->setCurrentIndex(m.index(m.satirBul(Sutun::FiltreLbl, QStringLiteral("Şehir")), m.sutunNo(Sutun::Baslangic)));
        QVERIFY(!dugme->isVisible()); // an ordinary row has no button
        IzgaraGorunumu* liste = ambarListesiniAc(f.get());
        QVERIFY(liste);
        QCOMPARE(dugme->width(), dugme->height());
        QVERIFY(grid->visualRect(m.index(ambar, m.sutunNo(Sutun::Baslangic)))
                    .contains(grid->viewport()->mapFrom(f.get(), dugme->geometry().center())));
        const IzgaraModeli& secenekler = f->form().CoktanSecmeliGrd;
        QCOMPARE(secenekler.hucre(0, SecimSutun::Tip), QStringLiteral("Hepsi"));
        QTest::keyClick(liste, Qt::Key_Space); // "Hepsi" off: all off
        QTest::keyClick(liste, Qt::Key_Down);
        QTest::keyClick(liste, Qt::Key_Space); // the first warehouse on
        QVERIFY(Secili_Mi(secenekler, 1) && !Secili_Mi(secenekler, 0) && !Secili_Mi(secenekler, 2));
        const QRect kutu2 = liste->visualRect(secenekler.index(2, 0));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, QPoint(kutu2.left() + 10, kutu2.center().y()));
        QVERIFY(Secili_Mi(secenekler, 2));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(secenekler.index(2, 1)).center());
        QVERIFY(Secili_Mi(secenekler, 2));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, QPoint(kutu2.left() + 10, kutu2.center().y()));
        QVERIFY(!Secili_Mi(secenekler, 2));
        const QString ilk = secenekler.hucre(1, SecimSutun::Tip);
        if (kapanis == QLatin1String("dugme")) {
            QTest::mouseClick(dugme, Qt::LeftButton);
        } else if (kapanis == QLatin1String("odak")) {
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(m.index(ambar, m.sutunNo(Sutun::FiltreLbl))).center());
        } else if (kapanis == QLatin1String("kaydirma")) {
            QScrollBar* kaydirma = grid->verticalScrollBar();
            QVERIFY(kaydirma->maximum() > 0);
            kaydirma->setValue(kaydirma->value() == 0 ? 1 : 0);
        } else {
            QTest::keyClick(liste, kapanis == QLatin1String("escape") ? Qt::Key_Escape : Qt::Key_Return);
        }
        QVERIFY(!liste->isVisible());
        QVERIFY(f->isVisible()); // Escape in the list does not close the form
        const bool vazgec = kapanis == QLatin1String("escape");
        QCOMPARE(m.hucre(ambar, Sutun::Baslangic), vazgec ? QStringLiteral("Hepsi") : QStringLiteral("Secimli"));
        QCOMPARE(m.hucre(ambar, Sutun::CoktanSecmeSecim), vazgec ? QString() : ilk + u',');
    }

    // Typing into the "İşlem Tarihi" start cell key by key: the text after
    // each key ("<" is Backspace, "Y" stands for the current year) and the
    // message of a complete date that fails.
    void tarihYazimi_data() {
        sutunlar<QString, QString, QString>("tuslar", "adimlar", "mesaj");
        satirEkle("sirayla", "12032024", "1;12/;12/0;12/03/;12/03/2;12/03/20;12/03/202;12/03/2024", "");
        satirEkle("bosluk yili tamamlar", "1203 ", "1;12/;12/0;12/03/;12/03/Y", "");
        satirEkle("bes rakamda bosluk", "12032 ", "1;12/;12/0;12/03/;12/03/2;12/03/Y", "");
        satirEkle("kisa metinde bosluk", "12 ", "1;12/;12/", "");
        satirEkle("31 subat", "31022024", "3;31/;31/0;31/02/;31/02/2;31/02/20;31/02/202;31/02/2024", "Gün alanını yanlış girdiniz.");
        satirEkle("29 subat gecer", "29022024", "2;29/;29/0;29/02/;29/02/2;29/02/20;29/02/202;29/02/2024", "");
        satirEkle("31 nisan", "31042024", "3;31/;31/0;31/04/;31/04/2;31/04/20;31/04/202;31/04/2024", "Gün alanını yanlış girdiniz.");
        satirEkle("13. ay", "15132024", "1;15/;15/1;15/13/;15/13/2;15/13/20;15/13/202;15/13/2024", "Ay alanını yanlış girdiniz.");
        satirEkle("32. gun ve 13. ay: sonuncusu", "32132024", "3;32/;32/1;32/13/;32/13/2;32/13/20;32/13/202;32/13/2024",
                  "Ay alanını yanlış girdiniz.");
        satirEkle("geri silme elle birakir", "1203<2", "1;12/;12/0;12/03/;12/03;12/03/2", "");
        satirEkle("nokta elle birakir", "12.", "1;12/;12/.", "");
        satirEkle("dokuzuncu rakam dusar", "120320249", "1;12/;12/0;12/03/;12/03/2;12/03/20;12/03/202;12/03/2024;12/03/2024", "");
    }
    void tarihYazimi() {
        QFETCH(QString, tuslar);
        QFETCH(QString, adimlar);
        QFETCH(QString, mesaj);
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        kutular_->kipli = true; // the box takes the focus from the editor as a real one does
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        IzgaraModeli& m = f->form().FiltreGrd;
        const int satir = m.satirBul(Sutun::FiltreLbl, QStringLiteral("İşlem Tarihi"));
        grid->setFocus();
        grid->setCurrentIndex(m.index(satir, m.sutunNo(Sutun::Baslangic)));
        QStringList gorulen;
        for (QChar c : tuslar) {
            QWidget* hedef = QApplication::focusWidget();
            if (c == u'<')
                QTest::keyClick(hedef, Qt::Key_Backspace);
            else
                QTest::keyClick(hedef, c.toLatin1());
            QCoreApplication::processEvents(); // a failed date's box comes after the key
            auto* kutu = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            // Typed at the end, the cursor stays there (after Backspace it stays where the text had it).
            if (kutu && !tuslar.contains(u'<')) QCOMPARE(kutu->cursorPosition(), kutu->text().size());
            gorulen << (kutu ? kutu->text() : m.hucre(satir, Sutun::Baslangic));
        }
        const QString yil = Kisa_Tarih(QDate::currentDate()).mid(6, 4);
        QCOMPARE(gorulen.join(u';'), QString(adimlar).replace(u'Y', yil));
        QCOMPARE(kutular_->metinler(), mesaj.isEmpty() ? QStringList() : QStringList{mesaj});
        if (!mesaj.isEmpty()) {
            QCOMPARE(kutular_->kutular.first().simge, Simge::Kritik);
            QCOMPARE(m.hucre(satir, Sutun::Baslangic), gorulen.last()); // the cell keeps it as typed
            QCOMPARE(f->focusWidget(), static_cast<QWidget*>(grid));
        }
    }

    // Keys of the grid: Enter opens the list where the button shows,
    // Escape hides an open list or quits, F3 quits.
    void izgaraTuslari_data() {
        sutunlar<QString, int, bool, bool>("baslik", "tus", "listeAcik", "formAcik");
        satirEkle("enter coklu secimde", "Ambar No", int(Qt::Key_Return), true, true);
        satirEkle("enter baska satirda", "Şehir", int(Qt::Key_Return), false, true);
        satirEkle("escape cikar", "Şehir", int(Qt::Key_Escape), false, false);
        satirEkle("f3 cikar", "Ambar No", int(Qt::Key_F3), false, false);
    }
    void izgaraTuslari() {
        QFETCH(QString, baslik);
        QFETCH(int, tus);
        QFETCH(bool, listeAcik);
        QFETCH(bool, formAcik);
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        f->setAttribute(Qt::WA_DeleteOnClose, false);
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        auto* liste = f->findChild<IzgaraGorunumu*>(QStringLiteral("CoktanSecmeliGrd"));
        IzgaraModeli& m = f->form().FiltreGrd;
        grid->setFocus();
        grid->setCurrentIndex(m.index(m.satirBul(Sutun::FiltreLbl, baslik), m.sutunNo(Sutun::Baslangic)));
        QTest::keyClick(grid, Qt::Key(tus));
        QCOMPARE(liste->isVisible(), listeAcik);
        QCOMPARE(f->isVisible(), formAcik);
        if (!listeAcik) return;
        QVERIFY(liste->hasFocus());
        QTest::keyClick(liste, Qt::Key_Escape); // hides the list, the form stays
        QVERIFY(!liste->isVisible());
        QVERIFY(f->isVisible());
        QVERIFY(grid->hasFocus());
    }

    // The button follows the grid's scrolling and hides while its cell is out of view.
    void butonKaydirmaylaGider() {
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        f->resize(f->width(), 260);
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        auto* dugme = f->findChild<QToolButton*>(QStringLiteral("AraBtn"));
        IzgaraModeli& m = f->form().FiltreGrd;
        const QModelIndex hucre = m.index(m.satirBul(Sutun::FiltreLbl, QStringLiteral("Satıcı Kodu")), m.sutunNo(Sutun::Baslangic));
        grid->setCurrentIndex(hucre);
        QScrollBar* kaydirma = grid->verticalScrollBar();
        QVERIFY(kaydirma->maximum() > 0);
        int gizli = 0;
        int gorunur = 0;
        for (int d = kaydirma->minimum(); d <= kaydirma->maximum(); ++d) {
            kaydirma->setValue(d);
            const QRect r = grid->visualRect(hucre);
            const bool gorunmeli = grid->viewport()->rect().intersects(r);
            QCOMPARE(dugme->isVisible(), gorunmeli);
            if (!gorunmeli) {
                ++gizli;
                continue;
            }
            ++gorunur;
            const QRect yer(grid->viewport()->mapFrom(f.get(), dugme->geometry().topLeft()), dugme->size());
            QCOMPARE(yer.right(), r.right());
            QCOMPARE(yer.top(), r.top());
        }
        QVERIFY(gizli > 0 && gorunur > 0);
    }

    // A click on a cell the cursor may not stay in leaves the highlight on
    // the cursor's cell, where typing goes: the caption column, the end of a
    // single-value row, an option's text in the selection list.
    void reddedilenTiklama_data() {
        QTest::addColumn<QString>("nerede");
        satirEkle("baslik sutunu", "baslik");
        satirEkle("tek degerli satirin sonu", "bitis");
        satirEkle("secenegin metni", "secenek");
    }
    void reddedilenTiklama() {
        QFETCH(QString, nerede);
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        IzgaraGorunumu* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        IzgaraModeli& m = f->form().FiltreGrd;
        const int cari = m.satirBul(Sutun::FiltreLbl, QStringLiteral("Cari Kodu"));
        const int fis = m.satirBul(Sutun::FiltreLbl, QStringLiteral("Fiş No"));
        grid->setCurrentIndex(m.index(fis, m.sutunNo(Sutun::Baslangic)));
        QModelIndex tiklanan = m.index(cari, m.sutunNo(nerede == QLatin1String("baslik") ? Sutun::FiltreLbl : Sutun::Bitis));
        QModelIndex beklenen = nerede == QLatin1String("baslik") ? grid->currentIndex() : m.index(cari, m.sutunNo(Sutun::Baslangic));
        if (nerede == QLatin1String("secenek")) {
            grid = ambarListesiniAc(f.get());
            QVERIFY(grid);
            tiklanan = f->form().CoktanSecmeliGrd.index(2, 1);
            beklenen = f->form().CoktanSecmeliGrd.index(2, 0);
        }
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(tiklanan).center());
        QCOMPARE(grid->currentIndex(), beklenen);
        QCOMPARE(grid->selectionModel()->selectedIndexes(), QModelIndexList{beklenen});
        if (nerede == QLatin1String("secenek")) return;
        QTest::keyClick(grid, Qt::Key_7);
        QWidget* duzenleyici = QApplication::focusWidget();
        QVERIFY(grid->duzenleniyor() && duzenleyici != grid);
        QVERIFY(grid->visualRect(beklenen).contains(duzenleyici->geometry().center()));
        grid->setFocus(); // leaving the editor commits it
        QCOMPARE(m.hucre(beklenen.row(), beklenen.column()), QStringLiteral("7"));
    }

    // A double click on an option's box inverts it once, as Space does.
    void kutuyaCiftTiklama() {
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        IzgaraGorunumu* liste = ambarListesiniAc(f.get());
        QVERIFY(liste);
        const IzgaraModeli& secenekler = f->form().CoktanSecmeliGrd;
        QVERIFY(Secili_Mi(secenekler, 0) && Secili_Mi(secenekler, 2)); // nothing stored: all ticked
        const QRect kutu = liste->visualRect(secenekler.index(2, 0));
        const QPoint yer(kutu.left() + 10, kutu.center().y());
        // What the window system sends for a double click.
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, yer);
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, yer);
        QTest::mouseRelease(liste->viewport(), Qt::LeftButton, {}, yer);
        QVERIFY(!Secili_Mi(secenekler, 2));
        QVERIFY(!Secili_Mi(secenekler, 0)); // "Hepsi" cleared, as after any other option changes
        QVERIFY(Secili_Mi(secenekler, 1));
    }

    // Delete where a list or an editor is open: the list stores all options
    // and closes; a date being typed loses one character, not the cell.
    void silTusuAcikListede() {
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        auto* liste = f->findChild<IzgaraGorunumu*>(QStringLiteral("CoktanSecmeliGrd"));
        IzgaraModeli& m = f->form().FiltreGrd;
        const int ambar = m.satirBul(Sutun::FiltreLbl, QStringLiteral("Ambar No"));
        f->form().secimiKaydet(ambar, {f->form().secenekler(ambar).at(2)});
        grid->setFocus();
        grid->setCurrentIndex(m.index(ambar, m.sutunNo(Sutun::Baslangic)));
        QTest::keyClick(grid, Qt::Key_Return);
        QVERIFY(liste->isVisible());
        QTest::keyClick(liste, Qt::Key_Delete);
        QVERIFY(!liste->isVisible());
        QCOMPARE(m.hucre(ambar, Sutun::Baslangic), QStringLiteral("Hepsi"));
        QCOMPARE(m.hucre(ambar, Sutun::CoktanSecmeSecim), QString());

        const int tarih = m.satirBul(Sutun::FiltreLbl, QStringLiteral("İşlem Tarihi"));
        grid->setCurrentIndex(m.index(tarih, m.sutunNo(Sutun::Baslangic)));
        QTest::keyClick(grid, '1');
        auto* kutu = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(kutu);
        QTest::keyClick(kutu, '2');
        kutu->setCursorPosition(0);
        QTest::keyClick(kutu, Qt::Key_Delete); // "2/" before the date is formatted again
        QCOMPARE(kutu->text(), QStringLiteral("2"));
    }

    // F9 fills today into the "İşlem Tarihi" row only; without one nothing changes.
    // A date being typed is committed first and then overwritten.
    void f9_data() {
        sutunlar<bool, bool>("satirVar", "yaziliyor");
        satirEkle("islem tarihi satiri", true, false);
        satirEkle("satir yok", false, false);
        satirEkle("tarih yazilirken", true, true);
    }
    void f9() {
        QFETCH(bool, satirVar);
        QFETCH(bool, yaziliyor);
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        IzgaraModeli& m = f->form().FiltreGrd;
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        const int s = m.satirBul(Sutun::FiltreLbl, QStringLiteral("İşlem Tarihi"));
        if (!satirVar) m.hucreYaz(s, Sutun::FiltreLbl, QStringLiteral("İşlem Tarihi "));
        QList<QStringList> once;
        for (int r = 1; r < m.satirSayisi(); ++r) once << QStringList{m.hucre(r, Sutun::Baslangic), m.hucre(r, Sutun::Bitis)};
        QWidget* hedef = f.get();
        if (yaziliyor) {
            grid->setCurrentIndex(m.index(s, m.sutunNo(Sutun::Baslangic)));
            grid->setFocus();
            QTest::keyClick(grid, '0');
            hedef = QApplication::focusWidget();
            QTest::keyClick(hedef, '1');
        }
        QTest::keyClick(hedef, Qt::Key_F9);
        grid->setFocus(); // an editor still open would commit here
        const QString bugun = Kisa_Tarih(QDate::currentDate());
        for (int r = 1; r < m.satirSayisi(); ++r) {
            const QStringList beklenen = satirVar && r == s ? QStringList{bugun, bugun} : once.at(r - 1);
            QCOMPARE((QStringList{m.hucre(r, Sutun::Baslangic), m.hucre(r, Sutun::Bitis)}), beklenen);
        }
    }

    // F2 pressed again while the run it started is under way starts no second run.
    void f2BirCalisma() {
        std::unique_ptr<FiltreFrm> f(ac());
        QVERIFY(f);
        auto* grid = f->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        int calisma = 0;
        connect(f.get(), &FiltreFrm::raporIstendi, f.get(), [&] {
            ++calisma;
            QTest::keyClick(grid, Qt::Key_F2);
            QTest::keyClick(f.get(), Qt::Key_F2);
        });
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_F2);
        QCOMPARE(calisma, 1);
        QTest::keyClick(grid, Qt::Key_F2); // a later press runs again
        QCOMPARE(calisma, 2);
    }

    void bozukSablonPencereyiAcmaz() {
        sistem_->dizin = QStringLiteral("/yok");
        try {
            FiltreFrm f({}, {});
            QFAIL("the form opened on a missing template");
        } catch (const ProgramSonu& s) { QCOMPARE(s.durum, 1); }
        QCOMPARE(kutular_->kutular.size(), 1);
        QCOMPARE(kutular_->kutular.first().simge, Simge::Kritik);
    }
};

QTEST_MAIN(TstFiltreFrm)
#include "tst_filtre_frm.moc"
