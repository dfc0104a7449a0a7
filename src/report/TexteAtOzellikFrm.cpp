#include "report/TexteAtOzellikFrm.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
int piksel(int twip) { return (twip * 96 + 720) / 1440; }
} // namespace

QRect TexteAtOzellikFrm::twip(int sol, int ust, int genislik, int yukseklik) {
    return {piksel(sol), piksel(ust), piksel(genislik), piksel(yukseklik)};
}

TexteAtOzellikFrm::TexteAtOzellikFrm(QWidget* ust) : QDialog(ust) {
    setObjectName(QStringLiteral("TexteAtOzellikFrm"));
    setWindowTitle(QStringLiteral("Text'e Yazdır"));
    setModal(true);
    auto etiket = [this](int indeks, const QString& metin, QRect yer) {
        auto* l = new QLabel(metin, this);
        l->setObjectName(QStringLiteral("lblTag"));
        l->setProperty("Index", indeks);
        l->setGeometry(yer);
    };
    etiket(1, QStringLiteral("Alan Ayıracı"), twip(60, 240, 1095, 300));
    AlanAyiraci = new QLineEdit(this);
    AlanAyiraci->setObjectName(QStringLiteral("AlanAyiraci"));
    etiket(0, QStringLiteral("Sayfa Ayıracı"), twip(60, 600, 1095, 300));
    Sayfa_Ayiraci = new QLineEdit(this);
    Sayfa_Ayiraci->setObjectName(QStringLiteral("Sayfa_Ayiraci"));
    // The boxes are a little taller than their twips so that a character fits on this platform.
    AlanAyiraci->setGeometry(twip(1500, 270, 2175, 210).adjusted(0, -3, 0, 3));
    Sayfa_Ayiraci->setGeometry(twip(1500, 600, 2175, 210).adjusted(0, -3, 0, 3));
    BosSatirlariGizle = new QCheckBox(QStringLiteral("Boş Satırları Gizle"), this);
    BosSatirlariGizle->setObjectName(QStringLiteral("BosSatirlariGizle"));
    BosSatirlariGizle->setGeometry(twip(60, 900, 1575, 255));
    UnicodeText = new QCheckBox(QStringLiteral("Evrensel Kod"), this);
    UnicodeText->setObjectName(QStringLiteral("UnicodeText"));
    UnicodeText->setGeometry(twip(60, 1200, 1575, 255));
    auto* btnOK = new QPushButton(QStringLiteral("Tamam"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(twip(1980, 1080, 825, 375));
    btnOK->setDefault(true);
    auto* btnCancel = new QPushButton(QStringLiteral("Vazgeç"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(twip(2790, 1080, 855, 375));
    connect(btnOK, &QPushButton::clicked, this, [this] {
        Iptal = false;
        accept();
    });
    // The close box and Escape mean Vazgeç: Iptal stays set.
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(piksel(3780), piksel(1600));
    // The suite's dialog font was smaller than this platform's: captions keep
    // their places but may grow to their text, never under the buttons.
    QFont kucuk = font();
    kucuk.setPointSizeF(8);
    setFont(kucuk);
    for (QWidget* w : findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPushButton*>(w)) continue;
        const int sinir = (w->y() + w->height() > piksel(1080) ? piksel(1980) : piksel(1500)) - w->x() - 2;
        w->resize(qBound(w->width(), w->sizeHint().width(), sinir), w->height());
    }
}
