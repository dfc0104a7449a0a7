#include "startup/Subs.h"

#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

QLineEdit* kutu(QWidget* ust, const char* ad, const char* etiket, const QString& metin = {}) {
    auto* k = new QLineEdit(metin, ust);
    k->setObjectName(QString::fromLatin1(ad));
    k->setProperty("Tag", QString::fromLatin1(etiket));
    ust->layout()->addWidget(k);
    return k;
}

} // namespace

// Keyboard navigation as on the login window: the tag names the targets.
class TstGezinti : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> pencere_;
    QLineEdit* sunucu_ = nullptr;
    QLineEdit* sifre_ = nullptr;
    QLineEdit* kullanici_ = nullptr;

private slots:
    void init() {
        pencere_ = std::make_unique<QWidget>();
        new QVBoxLayout(pencere_.get());
        sunucu_ = kutu(pencere_.get(), "DB_Name", "ASD;sysus;ASD;sysus_nm");
        sifre_ = kutu(pencere_.get(), "sysus", "ASD;sysus_nm;ASD;db_name", QStringLiteral("gizli"));
        kullanici_ = kutu(pencere_.get(), "sysus_nm", "ASD;DB_Name;ASD;sysus", QStringLiteral("karmena"));
        pencere_->show();
        QVERIFY(QTest::qWaitForWindowExposed(pencere_.get()));
        pencere_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(pencere_.get()));
        kullanici_->setFocus();
        QTRY_VERIFY(kullanici_->hasFocus());
    }

    void asagiVeEnter() {
        Tusla_Gezin(pencere_.get(), TusKodu::Asagi, kullanici_, true);
        QTRY_VERIFY(sifre_->hasFocus());
        // Names are matched regardless of letter case ("db_name" finds DB_Name).
        Tusla_Gezin(pencere_.get(), TusKodu::Enter, sifre_, true);
        QTRY_VERIFY(sunucu_->hasFocus());
        Tusla_Gezin(pencere_.get(), TusKodu::Yukari, sunucu_, true);
        QTRY_VERIFY(sifre_->hasFocus());
    }

    void olmayanKontrolOdagiTasimaz() {
        kullanici_->setCursorPosition(0);
        Tusla_Gezin(pencere_.get(), TusKodu::Sol, kullanici_, true); // "ASD" names nothing
        QVERIFY(kullanici_->hasFocus());
        Tusla_Gezin(pencere_.get(), 65, kullanici_, true); // not a navigation key
        QVERIFY(kullanici_->hasFocus());
    }

    void gizliAdayAtlanir() {
        kullanici_->setProperty("Tag", QStringLiteral(";;;DB_Name|sysus"));
        sunucu_->hide();
        Tusla_Gezin(pencere_.get(), TusKodu::Asagi, kullanici_, true);
        QTRY_VERIFY(sifre_->hasFocus());
    }

    void hepsiGizliyseOdakKalir() {
        kullanici_->setProperty("Tag", QStringLiteral(";;;DB_Name|sysus"));
        sunucu_->hide();
        sifre_->setEnabled(false);
        Tusla_Gezin(pencere_.get(), TusKodu::Asagi, kullanici_, true);
        QVERIFY(kullanici_->hasFocus());
    }

    void solSagImlecKonumunaBakar() {
        kullanici_->setProperty("Tag", QStringLiteral("sysus;;DB_Name;"));
        kullanici_->setCursorPosition(3); // in the middle: the caret moves, not the focus
        Tusla_Gezin(pencere_.get(), TusKodu::Sol, kullanici_, true);
        QVERIFY(kullanici_->hasFocus());
        Tusla_Gezin(pencere_.get(), TusKodu::Sag, kullanici_, true);
        QVERIFY(kullanici_->hasFocus());
        kullanici_->setCursorPosition(static_cast<int>(kullanici_->text().size()));
        Tusla_Gezin(pencere_.get(), TusKodu::Sag, kullanici_, true);
        QTRY_VERIFY(sunucu_->hasFocus());
        sunucu_->setText(QStringLiteral("SRV"));
        sunucu_->setProperty("Tag", QStringLiteral("sysus;;;"));
        sunucu_->setCursorPosition(0);
        Tusla_Gezin(pencere_.get(), TusKodu::Sol, sunucu_, true);
        QTRY_VERIFY(sifre_->hasFocus());
    }

    void kontrolDizisiIndeksi() {
        auto* b0 = new QPushButton(QStringLiteral("0"), pencere_.get());
        auto* b1 = new QPushButton(QStringLiteral("1"), pencere_.get());
        for (auto* b : {b0, b1}) {
            b->setObjectName(QStringLiteral("Secim"));
            b->setFocusPolicy(Qt::StrongFocus);
            pencere_->layout()->addWidget(b);
            b->show();
        }
        b0->setProperty("Index", 0);
        b1->setProperty("Index", 1);
        kullanici_->setProperty("Tag", QStringLiteral(";;;Secim(1)"));
        Tusla_Gezin(pencere_.get(), TusKodu::Asagi, kullanici_, true);
        QTRY_VERIFY(b1->hasFocus());
    }

    void metniSec() {
        kullanici_->setCursorPosition(2);
        Metni_Sec(kullanici_);
        QCOMPARE(kullanici_->selectedText(), QStringLiteral("karmena"));
        QCOMPARE(kullanici_->selectionStart(), 0);
        // With the whole text selected the selection starts at 0, so Left leaves.
        kullanici_->setProperty("Tag", QStringLiteral("sysus;;;"));
        Tusla_Gezin(pencere_.get(), TusKodu::Sol, kullanici_, true);
        QTRY_VERIFY(sifre_->hasFocus());
    }
};

QTEST_MAIN(TstGezinti)
#include "tst_gezinti.moc"
