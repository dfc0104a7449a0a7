#include "filterform/FiltreFrm.h"
#include "startup/Degiskenler.h"
#include "startup/Subs.h"
#include "platform/sistem/Sistem.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

QString FiltreFrm::pencereBasligi() { return Buyuk_Harf(sistem().programAdi()); }

FiltreFrm::FiltreFrm(QWidget* ust) : QWidget(ust) {
    setObjectName(QStringLiteral("FiltreFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(pencereBasligi());

    const Degiskenler& d = degiskenler();
    FirmaLbl = new QLabel(d.sysfrm_nm, this);
    FirmaLbl->setObjectName(QStringLiteral("FirmaLbl"));
    QFont kalin = FirmaLbl->font();
    kalin.setBold(true);
    FirmaLbl->setFont(kalin);

    CikisBtn = new QPushButton(QStringLiteral("Çıkış"), this);
    CikisBtn->setObjectName(QStringLiteral("CikisBtn"));
    connect(CikisBtn, &QPushButton::clicked, this, &QWidget::close);

    auto* alt = new QHBoxLayout;
    alt->addStretch();
    alt->addWidget(CikisBtn);
    auto* duzen = new QVBoxLayout(this);
    duzen->addWidget(FirmaLbl);
    duzen->addStretch();
    duzen->addLayout(alt);
    resize(800, 600);
}
