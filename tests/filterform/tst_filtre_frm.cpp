#include "filterform/FiltreFrm.h"
#include "filterform/FiltreIzgarasi.h"
#include "filterform/SecimListesi.h"
#include "ortak/TestOrtami.h"
#include "platform/izgara/IzgaraGorunumu.h"
#include "startup/ProgramSonu.h"
#include "startup/BolgeselAyar.h"

#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QLineEdit>
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
    // The form opened by ac(), its filter grid and model, its selection list and its "..." button.
    std::unique_ptr<FiltreFrm> f_;
    IzgaraGorunumu* grid_ = nullptr;
    IzgaraModeli* m_ = nullptr;
    IzgaraGorunumu* liste_ = nullptr;
    QToolButton* dugme_ = nullptr;

    // `gostermeden` sees the window before it is shown and starts loading.
    bool ac(const std::function<void(FiltreFrm*)>& gostermeden = {}) {
        oturum_ = demoOturumu(*sunucu_);
        f_ = std::make_unique<FiltreFrm>(Liste_Ortami(*oturum_), oturum_->firma.sysfrm_nm);
        grid_ = f_->findChild<IzgaraGorunumu*>(QStringLiteral("FiltreGrd"));
        liste_ = f_->findChild<IzgaraGorunumu*>(QStringLiteral("CoktanSecmeliGrd"));
        dugme_ = f_->findChild<QToolButton*>(QStringLiteral("AraBtn"));
        m_ = &f_->form().FiltreGrd;
        if (gostermeden) gostermeden(f_.get());
        f_->show();
        f_->activateWindow();
        return QTest::qWaitForWindowActive(f_.get()) && QTest::qWaitFor([this] { return f_->form().degerlerYuklendi(); }, 10000);
    }
    // The start cell of the row captioned `baslik`, and the cursor on it.
    QModelIndex baslangic(const QString& baslik) {
        return m_->index(m_->satirBul(Sutun::FiltreLbl, baslik), m_->sutunNo(Sutun::Baslangic));
    }
    int hucreyeGit(const QString& baslik) {
        grid_->setFocus();
        grid_->setCurrentIndex(baslangic(baslik));
        return grid_->currentIndex().row();
    }
    // Opens the "Ambar No" row's check list by a click on its "..." button.
    bool ambarListesiniAc() {
        grid_->setCurrentIndex(baslangic(QStringLiteral("Ambar No")));
        if (!QTest::qWaitFor([this] { return dugme_->isVisible(); })) return false;
        QTest::mouseClick(dugme_, Qt::LeftButton);
        return QTest::qWaitFor([this] { return liste_->isVisible() && liste_->hasFocus(); });
    }

private slots:
    void init() {
        sunucu_ = std::make_unique<GeciciSunucu>(60);
        kutular_ = std::make_unique<KayitliMesajlar>();
        sistem_ = std::make_unique<SahteSistem>();
        sistem_->dizin = QStringLiteral(FATURA_KAYNAK_DIZINI "/data");
        bolgeselAyarla();
    }
    void cleanup() { f_.reset(); }

    // A pick-only list too long for a drop-down: typing offers the values
    // that start with the text; Enter stores only one of them.
    void uzunListeYazarakSecilir() {
        sunucu_->calistir(QStringLiteral("DEMOFIRMA"),
                          QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 100000 UNION ALL SELECT i+1 FROM n WHERE i<%1)"
                                         " INSERT INTO CARIKART (Cari_ID, Grup_Kod) SELECT i, printf('G%05d', i - 100000) FROM n")
                              .arg(100000 + kEnCokSecenek));
        QVERIFY(ac());
        const int satir = hucreyeGit(QStringLiteral("Cari Grup Kodu"));
        for (const auto& [yazilan, saklanan] : {std::pair{"G0001", "Hepsi"}, std::pair{"G00012", "G00012"}}) {
            QTest::keyClick(grid_, yazilan[0]);
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(yazilan + 1));
            auto* kutu = grid_->findChild<QComboBox*>();
            QVERIFY(kutu);
            // "Hepsi", then G00010 to G00019 (or G00012 alone).
            const int beklenen = QByteArray(yazilan).size() == 5 ? 11 : 2;
            QVERIFY(QTest::qWaitFor([kutu, beklenen] { return kutu->count() == beklenen; }));
            QCOMPARE(kutu->itemText(1), QStringLiteral("G0001%1").arg(beklenen == 11 ? 0 : 2));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(QTest::qWaitFor([this] { return !grid_->duzenleniyor(); }));
            QCOMPARE(m_->hucre(satir, Sutun::Baslangic), QString::fromLatin1(saklanan));
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
        QVERIFY(ac());
        f_->resize(f_->width(), 300); // room to scroll
        hucreyeGit(QStringLiteral("Şehir"));
        QVERIFY(!dugme_->isVisible()); // an ordinary row has no button
        QVERIFY(ambarListesiniAc());
        const int ambar = grid_->currentIndex().row();
        const IzgaraModeli& secenekler = f_->form().CoktanSecmeliGrd;
        QCOMPARE(secenekler.hucre(0, SecimSutun::Tip), QStringLiteral("Hepsi"));
        QTest::keyClick(liste_, Qt::Key_Space); // "Hepsi" off: all off
        QTest::keyClick(liste_, Qt::Key_Down);
        QTest::keyClick(liste_, Qt::Key_Space); // the first warehouse on
        QVERIFY(Secili_Mi(secenekler, 1) && !Secili_Mi(secenekler, 0) && !Secili_Mi(secenekler, 2));
        const QRect kutu2 = liste_->visualRect(secenekler.index(2, 0));
        QTest::mouseClick(liste_->viewport(), Qt::LeftButton, {}, QPoint(kutu2.left() + 10, kutu2.center().y()));
        QVERIFY(Secili_Mi(secenekler, 2));
        QTest::mouseClick(liste_->viewport(), Qt::LeftButton, {}, liste_->visualRect(secenekler.index(2, 1)).center());
        QVERIFY(Secili_Mi(secenekler, 2));
        QTest::mouseClick(liste_->viewport(), Qt::LeftButton, {}, QPoint(kutu2.left() + 10, kutu2.center().y()));
        QVERIFY(!Secili_Mi(secenekler, 2));
        const QString ilk = secenekler.hucre(1, SecimSutun::Tip);
        if (kapanis == QLatin1String("dugme")) {
            QTest::mouseClick(dugme_, Qt::LeftButton);
        } else if (kapanis == QLatin1String("odak")) {
            QTest::mouseClick(grid_->viewport(), Qt::LeftButton, {},
                              grid_->visualRect(m_->index(ambar, m_->sutunNo(Sutun::FiltreLbl))).center());
        } else if (kapanis == QLatin1String("kaydirma")) {
            QScrollBar* kaydirma = grid_->verticalScrollBar();
            QVERIFY(kaydirma->maximum() > 0);
            kaydirma->setValue(kaydirma->value() == 0 ? 1 : 0);
        } else {
            QTest::keyClick(liste_, kapanis == QLatin1String("escape") ? Qt::Key_Escape : Qt::Key_Return);
        }
        QVERIFY(!liste_->isVisible());
        QVERIFY(f_->isVisible()); // Escape in the list does not close the form
        const bool vazgec = kapanis == QLatin1String("escape");
        QCOMPARE(m_->hucre(ambar, Sutun::Baslangic), vazgec ? QStringLiteral("Hepsi") : QStringLiteral("Secimli"));
        QCOMPARE(m_->hucre(ambar, Sutun::CoktanSecmeSecim), vazgec ? QString() : ilk + u',');
    }

    // Typing into the "İşlem Tarihi" start cell key by key: the text after
    // each key ("<" is Backspace, "Y" stands for the current year) and the
    // message of a complete date that fails.
    void tarihYazimi_data() {
        sutunlar<QString, QString, QString>("tuslar", "adimlar", "mesaj");
        satirEkle("sirayla", "12032024", "1;12/;12/0;12/03/;12/03/2;12/03/20;12/03/202;12/03/2024", "");
        satirEkle("bosluk yili tamamlar", "1203 ", "1;12/;12/0;12/03/;12/03/Y", "");
        satirEkle("31 subat", "31022024", "3;31/;31/0;31/02/;31/02/2;31/02/20;31/02/202;31/02/2024", "Gün alanını yanlış girdiniz.");
        satirEkle("13. ay", "15132024", "1;15/;15/1;15/13/;15/13/2;15/13/20;15/13/202;15/13/2024", "Ay alanını yanlış girdiniz.");
        satirEkle("geri silme elle birakir", "1203<2", "1;12/;12/0;12/03/;12/03;12/03/2", "");
    }
    void tarihYazimi() {
        QFETCH(QString, tuslar);
        QFETCH(QString, adimlar);
        QFETCH(QString, mesaj);
        QVERIFY(ac());
        kutular_->kipli = true; // the box takes the focus from the editor as a real one does
        const int satir = hucreyeGit(QStringLiteral("İşlem Tarihi"));
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
            gorulen << (kutu ? kutu->text() : m_->hucre(satir, Sutun::Baslangic));
        }
        const QString yil = Kisa_Tarih(QDate::currentDate()).mid(6, 4);
        QCOMPARE(gorulen.join(u';'), QString(adimlar).replace(u'Y', yil));
        QCOMPARE(kutular_->metinler(), mesaj.isEmpty() ? QStringList() : QStringList{mesaj});
        if (!mesaj.isEmpty()) {
            QCOMPARE(kutular_->kutular.first().simge, Simge::Kritik);
            QCOMPARE(m_->hucre(satir, Sutun::Baslangic), gorulen.last()); // the cell keeps it as typed
            QCOMPARE(f_->focusWidget(), static_cast<QWidget*>(grid_));
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
        QVERIFY(ac());
        f_->setAttribute(Qt::WA_DeleteOnClose, false);
        hucreyeGit(baslik);
        QTest::keyClick(grid_, Qt::Key(tus));
        QCOMPARE(liste_->isVisible(), listeAcik);
        QCOMPARE(f_->isVisible(), formAcik);
        if (!listeAcik) return;
        QVERIFY(liste_->hasFocus());
        QTest::keyClick(liste_, Qt::Key_Escape); // hides the list, the form stays
        QVERIFY(!liste_->isVisible());
        QVERIFY(f_->isVisible());
        QVERIFY(grid_->hasFocus());
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
        QVERIFY(ac());
        const QModelIndex cari = baslangic(QStringLiteral("Cari Kodu"));
        grid_->setCurrentIndex(baslangic(QStringLiteral("Fiş No")));
        QModelIndex tiklanan = m_->index(cari.row(), m_->sutunNo(nerede == QLatin1String("baslik") ? Sutun::FiltreLbl : Sutun::Bitis));
        QModelIndex beklenen = nerede == QLatin1String("baslik") ? grid_->currentIndex() : cari;
        IzgaraGorunumu* grid = grid_;
        if (nerede == QLatin1String("secenek")) {
            QVERIFY(ambarListesiniAc());
            grid = liste_;
            tiklanan = f_->form().CoktanSecmeliGrd.index(2, 1);
            beklenen = f_->form().CoktanSecmeliGrd.index(2, 0);
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
        QCOMPARE(m_->hucre(beklenen.row(), beklenen.column()), QStringLiteral("7"));
    }

    // A double click on an option's box inverts it once, as Space does.
    void kutuyaCiftTiklama() {
        QVERIFY(ac());
        QVERIFY(ambarListesiniAc());
        const IzgaraModeli& secenekler = f_->form().CoktanSecmeliGrd;
        QVERIFY(Secili_Mi(secenekler, 0) && Secili_Mi(secenekler, 2)); // nothing stored: all ticked
        const QRect kutu = liste_->visualRect(secenekler.index(2, 0));
        const QPoint yer(kutu.left() + 10, kutu.center().y());
        // What the window system sends for a double click.
        QTest::mouseClick(liste_->viewport(), Qt::LeftButton, {}, yer);
        QTest::mouseDClick(liste_->viewport(), Qt::LeftButton, {}, yer);
        QTest::mouseRelease(liste_->viewport(), Qt::LeftButton, {}, yer);
        QVERIFY(!Secili_Mi(secenekler, 2));
        QVERIFY(!Secili_Mi(secenekler, 0)); // "Hepsi" cleared, as after any other option changes
        QVERIFY(Secili_Mi(secenekler, 1));
    }

    // Delete where a list or an editor is open: the list stores all options
    // and closes; a date being typed loses one character, not the cell.
    void silTusuAcikListede() {
        QVERIFY(ac());
        const int ambar = hucreyeGit(QStringLiteral("Ambar No"));
        f_->form().secimiKaydet(ambar, {f_->form().secenekler(ambar).at(2)});
        QTest::keyClick(grid_, Qt::Key_Return);
        QVERIFY(liste_->isVisible());
        QTest::keyClick(liste_, Qt::Key_Delete);
        QVERIFY(!liste_->isVisible());
        QCOMPARE(m_->hucre(ambar, Sutun::Baslangic), QStringLiteral("Hepsi"));
        QCOMPARE(m_->hucre(ambar, Sutun::CoktanSecmeSecim), QString());

        hucreyeGit(QStringLiteral("İşlem Tarihi"));
        QTest::keyClick(grid_, '1');
        auto* kutu = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(kutu);
        QTest::keyClick(kutu, '2');
        kutu->setCursorPosition(0);
        QTest::keyClick(kutu, Qt::Key_Delete); // "2/" before the date is formatted again
        QCOMPARE(kutu->text(), QStringLiteral("2"));
    }

    // A template that cannot be read: its message, and the program ends
    // before the window opens.
    void bozukSablonPencereyiAcmaz() {
        sistem_->dizin = QStringLiteral("/yok");
        try {
            FiltreFrm f({}, {});
            QFAIL("the form opened on a missing template");
        } catch (const ProgramSonu& s) { QCOMPARE(s.durum, 1); }
        QCOMPARE(kutular_->kutular.size(), 1);
        QCOMPARE(kutular_->kutular.first().simge, Simge::Kritik);
    }

    // F9 fills today into the "İşlem Tarihi" row only.
    // A date being typed is committed first and then overwritten.
    void f9_data() {
        QTest::addColumn<bool>("yaziliyor");
        satirEkle("islem tarihi satiri", false);
        satirEkle("tarih yazilirken", true);
    }
    void f9() {
        QFETCH(bool, yaziliyor);
        QVERIFY(ac());
        const int s = m_->satirBul(Sutun::FiltreLbl, QStringLiteral("İşlem Tarihi"));
        QList<QStringList> once;
        for (int r = 1; r < m_->satirSayisi(); ++r) once << QStringList{m_->hucre(r, Sutun::Baslangic), m_->hucre(r, Sutun::Bitis)};
        QWidget* hedef = f_.get();
        if (yaziliyor) {
            hucreyeGit(QStringLiteral("İşlem Tarihi"));
            QTest::keyClick(grid_, '0');
            hedef = QApplication::focusWidget();
            QTest::keyClick(hedef, '1');
        }
        QTest::keyClick(hedef, Qt::Key_F9);
        grid_->setFocus(); // an editor still open would commit here
        const QString bugun = Kisa_Tarih(QDate::currentDate());
        for (int r = 1; r < m_->satirSayisi(); ++r) {
            const QStringList beklenen = r == s ? QStringList{bugun, bugun} : once.at(r - 1);
            QCOMPARE((QStringList{m_->hucre(r, Sutun::Baslangic), m_->hucre(r, Sutun::Bitis)}), beklenen);
        }
    }

    // F2 pressed again while the run it started is under way starts no second run.
    void f2BirCalisma() {
        QVERIFY(ac());
        int calisma = 0;
        connect(f_.get(), &FiltreFrm::raporIstendi, f_.get(), [&] {
            ++calisma;
            QTest::keyClick(grid_, Qt::Key_F2);
            QTest::keyClick(f_.get(), Qt::Key_F2);
        });
        grid_->setFocus();
        QTest::keyClick(grid_, Qt::Key_F2);
        QCOMPARE(calisma, 1);
        QTest::keyClick(grid_, Qt::Key_F2); // a later press runs again
        QCOMPARE(calisma, 2);
    }
};

QTEST_MAIN(TstFiltreFrm)
#include "tst_filtre_frm.moc"
