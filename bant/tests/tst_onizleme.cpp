#include "bant/OnizlemePenceresi.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractScrollArea>
#include <QToolButton>
#include <QScrollBar>
#include <QtTest>

using Bant::OnizlemePenceresi;
using Bant::Sayfa;
using Bant::SayfaOgesi;

namespace {

// A page of a few text items, "Fiş <n>" among them.
Sayfa sayfa(int no, const QString& ekMetin = {}) {
    Sayfa s;
    s.no = no;
    for (const QString& m : {QStringLiteral("FATURA LİSTESİ"), QStringLiteral("Fiş %1").arg(no), ekMetin}) {
        if (m.isEmpty()) continue;
        SayfaOgesi o;
        o.metin = m;
        o.alan = QRect(1000, 1000 + 300 * static_cast<int>(s.ogeler.size()), 3000, 250);
        s.ogeler << o;
    }
    return s;
}

} // namespace

// The preview driven by keys as a person drives it: find and the continuous view.
class TstOnizleme : public QObject {
    Q_OBJECT

    std::unique_ptr<OnizlemePenceresi> p_;

    QString etiket() const { return p_->findChild<QLabel*>(QStringLiteral("SayfaEtiketi"))->text().trimmed(); }
    QString not_() const { return p_->findChild<QLabel*>(QStringLiteral("AramaNotu"))->text(); }
    void ara(const QString& metin) {
        QTest::keyClick(p_.get(), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(QTest::qWaitFor([this] { return QApplication::focusWidget() == p_->findChild<QLineEdit*>(QStringLiteral("Ara")); }));
        QWidget* alan = QApplication::focusWidget();
        // Letter by letter as typed, Turkish letters too (keyClicks knows ASCII only).
        for (const QChar c : metin) QTest::sendKeyEvent(QTest::Click, alan, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::keyClick(alan, Qt::Key_Return);
    }

private slots:
    void init() {
        p_ = std::make_unique<OnizlemePenceresi>(QStringLiteral("FATURA LİSTESİ"));
        p_->setAttribute(Qt::WA_DeleteOnClose, false);
        p_->show();
        QVERIFY(QTest::qWaitForWindowActive(p_.get()));
    }
    void cleanup() { p_.reset(); }

    void bulunanSayfayaGider() {
        for (int i = 1; i <= 20; ++i) p_->sayfa(sayfa(i, i == 9 ? QStringLiteral("İZMİR Depo") : QString()));
        p_->uretimBitti();
        ara(QStringLiteral("fiş 7"));
        QCOMPARE(etiket(), QStringLiteral("Sayfa 7 / 20"));
        QCOMPARE(p_->bulunan()->oge, 1);
        // F3 goes on; past the last match it goes round to the first, with a note.
        QTest::keyClick(p_.get(), Qt::Key_F3);
        QCOMPARE(etiket(), QStringLiteral("Sayfa 7 / 20"));
        QCOMPARE(not_(), QStringLiteral("Başa dönüldü"));
        ara(QStringLiteral("izmir"));
        QCOMPARE(etiket(), QStringLiteral("Sayfa 9 / 20"));
        QVERIFY(not_().isEmpty());
        QTest::keyClick(p_.get(), Qt::Key_F3, Qt::ShiftModifier);
        QCOMPARE(not_(), QStringLiteral("Sona dönüldü"));
        ara(QStringLiteral("gıda"));
        QCOMPARE(not_(), QStringLiteral("Bulunamadı"));
        QCOMPARE(etiket(), QStringLiteral("Sayfa 9 / 20"));
    }

    // A find while the report runs goes on as pages arrive.
    void gelenSayfalardaArar() {
        for (int i = 1; i <= 3; ++i) p_->sayfa(sayfa(i));
        ara(QStringLiteral("Fiş 5"));
        QCOMPARE(not_(), QStringLiteral("Aranıyor..."));
        QCOMPARE(etiket(), QStringLiteral("Sayfa 1 / 3+"));
        p_->sayfa(sayfa(4));
        QCOMPARE(etiket(), QStringLiteral("Sayfa 1 / 4+"));
        p_->sayfa(sayfa(5));
        QCOMPARE(etiket(), QStringLiteral("Sayfa 5 / 5+"));
        QVERIFY(not_().isEmpty());
        ara(QStringLiteral("yok böyle"));
        p_->sayfa(sayfa(6));
        p_->uretimBitti();
        QCOMPARE(not_(), QStringLiteral("Bulunamadı"));
    }

    // All pages one below the other: scrolling moves the page label, a find scrolls to its page.
    void surekliGorunum() {
        for (int i = 1; i <= 20; ++i) p_->sayfa(sayfa(i));
        p_->uretimBitti();
        p_->yakinlastir(0.5);
        QTest::mouseClick(p_->findChild<QToolButton*>(QStringLiteral("Surekli")), Qt::LeftButton);
        auto* alan = p_->findChild<QAbstractScrollArea*>(QStringLiteral("SayfaAlani"));
        QScrollBar* kaydirma = alan->verticalScrollBar();
        QVERIFY(kaydirma->maximum() > 15 * alan->viewport()->height() / 2);
        kaydirma->setValue(kaydirma->maximum() / 2);
        QCOMPARE(etiket(), QStringLiteral("Sayfa 10 / 20"));
        ara(QStringLiteral("Fiş 15"));
        QCOMPARE(etiket(), QStringLiteral("Sayfa 15 / 20"));
        QTest::keyClick(p_.get(), Qt::Key_PageDown);
        QCOMPARE(etiket(), QStringLiteral("Sayfa 16 / 20"));
        QTest::mouseClick(p_->findChild<QToolButton*>(QStringLiteral("Surekli")), Qt::LeftButton);
        QCOMPARE(etiket(), QStringLiteral("Sayfa 16 / 20"));
        QVERIFY(kaydirma->maximum() < alan->viewport()->height());
    }

    // Ctrl+C: the shown page's lines, the fields of a table row apart by tabs under its captions.
    void sayfaKopyalanir() {
        Sayfa s;
        auto metin = [&s](const QString& m, int x, int y, int genislik, Bant::Bolum::Tur bolum) {
            SayfaOgesi o;
            o.metin = m;
            o.alan = QRect(x, y, genislik, 250);
            o.bolum = bolum;
            s.ogeler << o;
        };
        using T = Bant::Bolum::Tur;
        metin(QStringLiteral("FİŞ NO"), 1000, 1000, 1200, T::PageHeader);
        metin(QStringLiteral("NET TUTAR"), 3000, 1000, 1500, T::PageHeader);
        metin(QStringLiteral("SF2500001"), 1000, 1400, 1200, T::Detail);
        metin(QStringLiteral("1.234,50"), 3000, 1400, 1500, T::Detail);
        p_->sayfa(Sayfa(s));
        p_->sayfa(sayfa(2));
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(p_.get(), Qt::Key_C, Qt::ControlModifier);
        const QStringList satirlar = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(satirlar.size() >= 2, qPrintable(QGuiApplication::clipboard()->text()));
        QCOMPARE(satirlar.at(satirlar.size() - 2), QStringLiteral("FİŞ NO\tNET TUTAR"));
        QCOMPARE(satirlar.last(), QStringLiteral("SF2500001\t1.234,50"));
    }

    // A long export shows its progress; dropped, it leaves no file, and the window stays while it runs.
    void uzunKaydetmedenVazgecilir() {
        for (int i = 1; i <= 150; ++i) p_->sayfa(sayfa(i));
        p_->uretimBitti();
        QTemporaryDir d;
        const QString yol = d.filePath(QStringLiteral("rapor.pdf"));
        bool acikKaldi = false;
        QTimer::singleShot(0, p_.get(), [this, &acikKaldi] {
            acikKaldi = !p_->close();
            if (auto* panel = p_->findChild<QProgressDialog*>()) panel->cancel();
        });
        QVERIFY(!p_->kaydet(OnizlemePenceresi::Bicim::Pdf, yol));
        QVERIFY(acikKaldi);
        QCOMPARE(QDir(d.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QVERIFY(p_->kaydet(OnizlemePenceresi::Bicim::Pdf, yol));
        QVERIFY(QFileInfo(yol).size() > 1000);
    }
};

QTEST_MAIN(TstOnizleme)
#include "tst_onizleme.moc"
