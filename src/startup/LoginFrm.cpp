#include "startup/LoginFrm.h"
#include "startup/Gezinti.h"
#include "platform/izgara/IzgaraGorunumu.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QColor kOdakRengi(252, 226, 209);

// Where the arrows and Enter take the focus from each text box: left, up, right, down.
struct Gezinti {
    const char* ad;
    const char* etiket;
};
constexpr Gezinti kGezintiler[] = {
    {"DB_Name", "ASD;sysus;ASD;sysus_nm"},
    {"sysus", "ASD;sysus_nm;ASD;db_name"},
    {"sysus_nm", "ASD;DB_Name;ASD;sysus"},
};

int tusKodu(int tus) {
    switch (tus) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return TusKodu::Enter;
    case Qt::Key_Left: return TusKodu::Sol;
    case Qt::Key_Up: return TusKodu::Yukari;
    case Qt::Key_Right: return TusKodu::Sag;
    case Qt::Key_Down: return TusKodu::Asagi;
    default: return 0;
    }
}

void arkaPlan(QLineEdit* kutu, const QColor& renk) {
    QPalette p = kutu->palette();
    p.setColor(QPalette::Base, renk);
    kutu->setPalette(p);
}

} // namespace

LoginFrm::LoginFrm(QWidget* ust) : QWidget(ust) {
    setObjectName(QStringLiteral("LoginFrm"));
    setWindowTitle(QStringLiteral("Giriş"));
    setAttribute(Qt::WA_DeleteOnClose);

    KullaniciPnl = new QFrame(this);
    KullaniciPnl->setObjectName(QStringLiteral("KullaniciPnl"));
    KullaniciPnl->setFrameShape(QFrame::StyledPanel);
    KullaniciPnl->setAutoFillBackground(true);
    auto* alanlar = new QFormLayout;
    sysus_nm = metinKutusu(QStringLiteral("sysus_nm"));
    sysus_nm->setAccessibleName(QStringLiteral("Kullanıcı Adı"));
    alanlar->addRow(new QLabel(QStringLiteral("Kullanıcı Adı  :"), KullaniciPnl), sysus_nm);
    sysus = metinKutusu(QStringLiteral("sysus"));
    sysus->setAccessibleName(QStringLiteral("Şifre"));
    sysus->setEchoMode(QLineEdit::Password);
    sysus->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
    alanlar->addRow(new QLabel(QStringLiteral("Şifre :"), KullaniciPnl), sysus);
    DB_Name = metinKutusu(QStringLiteral("DB_Name"));
    DB_Name->setAccessibleName(QStringLiteral("Server Adı"));
    Label1 = new QLabel(QStringLiteral("Server Adı:"), KullaniciPnl);
    Label1->setObjectName(QStringLiteral("Label1"));
    alanlar->addRow(Label1, DB_Name);
    Kullanici_Ayar_Sakla = new QCheckBox(QStringLiteral("Bu Kullanıcıyı Hatırla"), KullaniciPnl);
    Kullanici_Ayar_Sakla->setObjectName(QStringLiteral("Kullanici_Ayar_Sakla"));
    alanlar->addRow(QString(), Kullanici_Ayar_Sakla);
    TamamBtn = new QPushButton(QStringLiteral("Tamam"), KullaniciPnl);
    TamamBtn->setObjectName(QStringLiteral("TamamBtn"));
    CikisBtn = new QPushButton(QStringLiteral("Çıkış"), KullaniciPnl);
    CikisBtn->setObjectName(QStringLiteral("CikisBtn"));
    auto* dugmeler = new QHBoxLayout;
    dugmeler->addStretch();
    dugmeler->addWidget(TamamBtn);
    dugmeler->addWidget(CikisBtn);
    auto* kullaniciDuzeni = new QVBoxLayout(KullaniciPnl);
    kullaniciDuzeni->addLayout(alanlar);
    kullaniciDuzeni->addLayout(dugmeler);
    connect(TamamBtn, &QPushButton::clicked, this, &LoginFrm::TamamBtn_Click);
    connect(CikisBtn, &QPushButton::clicked, this, &QWidget::close);

    FirmaPnl = new QFrame(this);
    FirmaPnl->setObjectName(QStringLiteral("FirmaPnl"));
    FirmaPnl->setFrameShape(QFrame::StyledPanel);
    FirmaPnl->hide();
    firmaModeli_.sutunlariKur(
        {
            {QStringLiteral("sysfrm_nm"), QStringLiteral("Firma Adı"), 3000, false},
            {QStringLiteral("sysfrm_kd"), QStringLiteral("Firma Kodu"), 1700, false},
        },
        1);
    TDBG1 = new IzgaraGorunumu(&firmaModeli_, FirmaPnl);
    TDBG1->setObjectName(QStringLiteral("TDBG1"));
    TDBG1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TDBG1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TDBG1->installEventFilter(this);
    connect(TDBG1, &QAbstractItemView::doubleClicked, this, &LoginFrm::TDBG1_Sec);
    FirmaYokLbl = new QLabel(GirisMesaji::firmaYok(), FirmaPnl);
    FirmaYokLbl->setObjectName(QStringLiteral("FirmaYokLbl"));
    FirmaYokLbl->setWordWrap(true);
    FirmaYokLbl->hide();
    auto* firmaDuzeni = new QVBoxLayout(FirmaPnl);
    firmaDuzeni->addWidget(FirmaYokLbl);
    firmaDuzeni->addWidget(TDBG1);

    auto* duzen = new QVBoxLayout(this);
    duzen->setContentsMargins(40, 90, 40, 30);
    KullaniciPnl->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    duzen->addWidget(KullaniciPnl);
    duzen->addWidget(FirmaPnl, 10);
    duzen->addStretch(1);
    resize(IzgaraGorunumu::twipPiksel(3000 + 1700) + 130, 330);

    // Loading, in the order the settings depend on each other.
    form_.yukle();
    DB_Name->setVisible(form_.sunucuGorunur);
    Label1->setVisible(form_.sunucuGorunur);
    sysus_nm->setText(form_.kullaniciAdi);
    DB_Name->setText(form_.sunucu);
}

QLineEdit* LoginFrm::metinKutusu(const QString& ad) {
    auto* kutu = new QLineEdit(KullaniciPnl);
    kutu->setObjectName(ad);
    for (const Gezinti& g : kGezintiler)
        if (ad == QLatin1String(g.ad)) kutu->setProperty("Tag", QString::fromLatin1(g.etiket));
    kutu->installEventFilter(this);
    return kutu;
}

bool LoginFrm::event(QEvent* e) {
    // The password box on the window's first activation. A later one (the
    // window coming back from a message box or another program) keeps the
    // focus where the failed attempt put it: the user name or the server.
    if (e->type() == QEvent::WindowActivate && KullaniciPnl->isVisible() && !etkinlesti_) {
        etkinlesti_ = true;
        sysus->setFocus(Qt::ActiveWindowFocusReason);
    }
    return QWidget::event(e);
}

bool LoginFrm::eventFilter(QObject* nesne, QEvent* e) {
    auto* kutu = qobject_cast<QLineEdit*>(nesne);
    if (kutu && e->type() == QEvent::FocusIn) {
        arkaPlan(kutu, kOdakRengi);
        // After the focus has settled: a mouse click would place the caret over the selection.
        QTimer::singleShot(0, kutu, [kutu] { Metni_Sec(kutu); });
    } else if (kutu && e->type() == QEvent::FocusOut) {
        arkaPlan(kutu, Qt::white);
    } else if (e->type() == QEvent::KeyPress) {
        const auto* tus = static_cast<QKeyEvent*>(e);
        if (nesne == TDBG1 && (tus->key() == Qt::Key_Return || tus->key() == Qt::Key_Enter)) {
            TDBG1_Sec();
            return true;
        }
        const int kod = tusKodu(tus->key());
        if (kutu && kod) {
            Tusla_Gezin(this, kod, kutu, true);
            if (kod == TusKodu::Enter) {
                TamamBtn_Click();
                return true;
            }
        }
    }
    return QWidget::eventFilter(nesne, e);
}

void LoginFrm::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(e);
}

void LoginFrm::TamamBtn_Click() {
    form_.kullaniciAdi = sysus_nm->text();
    form_.sifre = sysus->text();
    form_.sunucu = DB_Name->text();
    form_.hatirla = Kullanici_Ayar_Sakla->isChecked();
    switch (form_.girisDene()) {
    case GirisFormu::Sonuc::Girildi: firmalariGoster(); break;
    case GirisFormu::Sonuc::Yanlis: sysus_nm->setFocus(); break;
    case GirisFormu::Sonuc::BaglantiHatasi:
        if (DB_Name->isVisible()) DB_Name->setFocus();
        break;
    }
}

void LoginFrm::firmalariGoster() {
    const QList<Firma>& firmalar = form_.firmalar();
    firmaModeli_.satirSayisiAyarla(1 + static_cast<int>(firmalar.size()));
    for (int i = 0; i < firmalar.size(); ++i) {
        firmaModeli_.hucreYaz(i + 1, 0, firmalar.at(i).ad);
        firmaModeli_.hucreYaz(i + 1, 1, firmalar.at(i).kod);
    }
    firmaModeli_.kalinYap(0, 0, 0, 1, true);
    // An empty grid would leave the user guessing why nothing opens.
    FirmaYokLbl->setVisible(firmalar.isEmpty());
    FirmaPnl->show();
    KullaniciPnl->hide();
    if (!firmalar.isEmpty()) TDBG1->setCurrentIndex(firmaModeli_.index(1, 0));
    TDBG1->setFocus();
}

void LoginFrm::TDBG1_Sec() {
    const QModelIndex i = TDBG1->currentIndex();
    if (!i.isValid() || !form_.firmaSec(i.row() - 1)) return;
    // The window goes before the start-up opens the filter form, but is
    // deleted only afterwards, so that the program never has no window.
    hide();
    deleteLater();
    if (baslat) baslat(form_.giris());
}

void LoginFrm::paintEvent(QPaintEvent*) {
    // The background picture: a light sky over a darker band at the top
    // with the suite's name, drawn rather than loaded.
    QPainter p(this);
    QLinearGradient zemin(0, 0, 0, height());
    zemin.setColorAt(0, QColor(0x1d, 0x4e, 0x89));
    zemin.setColorAt(0.28, QColor(0x3a, 0x7b, 0xc8));
    zemin.setColorAt(0.29, QColor(0xe9, 0xf1, 0xfa));
    zemin.setColorAt(1, QColor(0xc9, 0xdc, 0xf0));
    p.fillRect(rect(), zemin);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 40));
    for (int i = 0; i < 4; ++i) p.drawEllipse(QPointF(width() * (0.15 + 0.25 * i), height() * 0.28), 70.0 + 15 * i, 18.0);
    QFont yazi = font();
    yazi.setBold(true);
    yazi.setPointSize(16);
    p.setFont(yazi);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 14, width(), 40), Qt::AlignCenter, QStringLiteral("KARMENA TİCARİ YAZILIM"));
    yazi.setPointSize(10);
    yazi.setBold(false);
    p.setFont(yazi);
    p.drawText(QRect(0, 48, width(), 24), Qt::AlignCenter, QStringLiteral("Fatura Listesi"));
}
