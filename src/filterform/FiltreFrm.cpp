#include "filterform/FiltreFrm.h"
#include "filterform/FiltreIzgarasi.h"
#include "filterform/Secenekler.h"
#include "platform/izgara/IzgaraGorunumu.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "startup/Degiskenler.h"
#include "startup/ProgramSonu.h"
#include "startup/Subs.h"
#include "template/Sablon.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

QString FiltreFrm::pencereBasligi() { return Buyuk_Harf(sistem().programAdi()); }

FiltreFrm::FiltreFrm(QWidget* ust) : QWidget(ust) {
    setObjectName(QStringLiteral("FiltreFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(pencereBasligi());

    const QString mesaj = form_.yukle(Master_Yolu());
    if (!mesaj.isEmpty()) {
        MsgBox(mesaj, Simge::Kritik);
        throw ProgramSonu{1};
    }

    FirmaLbl = new QLabel(degiskenler().sysfrm_nm, this);
    FirmaLbl->setObjectName(QStringLiteral("FirmaLbl"));
    QFont kalin = FirmaLbl->font();
    kalin.setBold(true);
    FirmaLbl->setFont(kalin);

    FiltreGrd = new IzgaraGorunumu(&form_.FiltreGrd, this);
    FiltreGrd->setObjectName(QStringLiteral("FiltreGrd"));
    FiltreGrd->hareketIzni = [this](int satir, int sutun) { return form_.hareketOncesi(satir, sutun); };
    FiltreGrd->hareketSonrasi = [this](int satir, int sutun) { return form_.hareketSonrasi(satir, sutun); };
    connect(&form_.FiltreGrd, &IzgaraModeli::duzenlemeBitti, this, [this](int satir, int) { form_.duzenlemeSonrasi(satir); });
    FiltreGrd->setCurrentIndex(form_.FiltreGrd.index(form_.FiltreGrd.gecerliSatir(), form_.FiltreGrd.gecerliSutun()));

    RaporYeri = new QComboBox(this);
    RaporYeri->setObjectName(QStringLiteral("RaporYeri"));
    RaporYeri->addItems(kRaporYerleri.split(u'|'));
    RaporYeri->setCurrentText(form_.RaporYeri.hucre(0, 0));
    RaporYeri->setFixedWidth(IzgaraGorunumu::twipPiksel(1500) + 20);
    connect(RaporYeri, &QComboBox::currentTextChanged, this, [this](const QString& t) { form_.RaporYeri.hucreYaz(0, 0, t); });

    Bar1 = new QProgressBar(this);
    Bar1->setObjectName(QStringLiteral("Bar1"));
    Bar1->setValue(0);
    Bar1->setTextVisible(false);

    TamamBtn = new QPushButton(QStringLiteral("Tamam"), this);
    TamamBtn->setObjectName(QStringLiteral("TamamBtn"));
    connect(TamamBtn, &QPushButton::clicked, this, &FiltreFrm::TamamBtn_Click);
    CikisBtn = new QPushButton(QStringLiteral("Çıkış"), this);
    CikisBtn->setObjectName(QStringLiteral("CikisBtn"));
    connect(CikisBtn, &QPushButton::clicked, this, &QWidget::close);

    // F2 runs the report wherever the focus is; the grid would take it for
    // editing. A press while the run it started is under way is held back.
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(f2, &QShortcut::activated, this, [this] {
        TamamBtn->setFocus();
        Degiskenler& d = degiskenler();
        if (d.RaporCalisiyor) return;
        d.RaporCalisiyor = true;
        TamamBtn_Click();
        d.RaporCalisiyor = false;
    });

    auto* alt = new QHBoxLayout;
    alt->addWidget(new QLabel(QStringLiteral("Rapor Yeri:"), this));
    alt->addWidget(RaporYeri);
    alt->addWidget(Bar1, 1);
    alt->addWidget(TamamBtn);
    alt->addWidget(CikisBtn);
    auto* duzen = new QVBoxLayout(this);
    duzen->addWidget(FirmaLbl);
    duzen->addWidget(FiltreGrd, 1);
    duzen->addLayout(alt);

    int genislik = 40;
    for (const auto& s : form_.FiltreGrd.sutunlar())
        if (!s.gizli) genislik += IzgaraGorunumu::twipPiksel(s.genislikTwip);
    resize(genislik, 640);
}

bool FiltreFrm::event(QEvent* e) {
    // Without a window manager a window may never be activated; the first
    // showing counts as the first activation then.
    if ((e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) && !degiskenler().DegerlerYuklendi)
        QTimer::singleShot(0, this, &FiltreFrm::ilkEtkinlestirme);
    return QWidget::event(e);
}

void FiltreFrm::ilkEtkinlestirme() {
    if (degiskenler().DegerlerYuklendi) return;
    setCursor(Qt::BusyCursor);
    form_.etkinlestir([this](int deger, int enFazla) {
        Bar1->setMaximum(enFazla);
        Bar1->setValue(deger);
    });
    unsetCursor();
    // The full bar stays a moment, then clears.
    QTimer::singleShot(400, this, [this] { Bar1->setValue(0); });
}

void FiltreFrm::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_F3:
    case Qt::Key_Escape: close(); return;
    case Qt::Key_F9: form_.Islem_Tarihi_Bugun(); return;
    default: QWidget::keyPressEvent(e);
    }
}

void FiltreFrm::TamamBtn_Click() {
    // A value still in its editor is committed before composing.
    FiltreGrd->setFocus();
    FiltreGrd->setCurrentIndex(FiltreGrd->currentIndex());
    TamamBtn->setEnabled(false);
    emit raporIstendi();
    TamamBtn->setEnabled(true);
}
