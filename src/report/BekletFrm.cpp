#include "report/BekletFrm.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

BekletFrm::BekletFrm(QWidget* form) : QFrame(form) {
    setObjectName(QStringLiteral("BekletFrm"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    MesajLbl = new QLabel(this);
    MesajLbl->setObjectName(QStringLiteral("MesajLbl"));
    MesajLbl->setAlignment(Qt::AlignCenter);
    QFont f(QStringLiteral("Arial Narrow"), 12);
    f.setBold(true);
    MesajLbl->setFont(f);
    sayfaLbl_ = new QLabel(this);
    sayfaLbl_->setObjectName(QStringLiteral("SayfaLbl"));
    sayfaLbl_->setAlignment(Qt::AlignCenter);
    auto* duzen = new QVBoxLayout(this);
    duzen->addWidget(MesajLbl);
    duzen->addWidget(sayfaLbl_);
    zemin_ = QColor(0x99, 0xE6, 0xAA);
    yazi_ = QApplication::palette().color(QPalette::HighlightedText);
    renkleriUygula();
    yanip_ = new QTimer(this);
    yanip_->setInterval(350);
    connect(yanip_, &QTimer::timeout, this, &BekletFrm::renkleriDegistir);
    hide();
}

QColor BekletFrm::zemin() const { return zemin_; }
QColor BekletFrm::yazi() const { return yazi_; }

void BekletFrm::renkleriUygula() {
    QPalette p = palette();
    p.setColor(QPalette::Window, zemin_);
    p.setColor(QPalette::WindowText, yazi_);
    setPalette(p);
    MesajLbl->setPalette(p);
    sayfaLbl_->setPalette(p);
}

void BekletFrm::renkleriDegistir() {
    std::swap(zemin_, yazi_);
    renkleriUygula();
}

void BekletFrm::goster(const QString& mesaj) {
    MesajLbl->setText(mesaj);
    sayfaLbl_->setText(QStringLiteral("Vazgeçmek için Esc"));
    const QWidget* form = parentWidget();
    const QSize boyut(320, 90);
    setGeometry(QRect(QPoint((form->width() - boyut.width()) / 2, (form->height() - boyut.height()) / 2), boyut));
    show();
    raise();
    setFocus();
    yanip_->start();
}

void BekletFrm::gizle() {
    yanip_->stop();
    hide();
}

void BekletFrm::sayfaYapildi(int sayfa) { sayfaLbl_->setText(QStringLiteral("%1. sayfa — Vazgeçmek için Esc").arg(sayfa)); }
