#include "platform/rapor/OnizlemePenceresi.h"
#include "platform/rapor/SayfaYazicilari.h"
#include "platform/rapor/Yazici.h"

#include <QCoreApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace Bant {

namespace {
constexpr int kMasaKenari = 20; // pixels of grey desk around the paper
constexpr int kGolge = 4;       // the paper's shadow
} // namespace

// One page at the chosen scale, on a grey desk.
class SayfaGorunumu : public QWidget {
public:
    explicit SayfaGorunumu(QWidget* ust) : QWidget(ust) { setAutoFillBackground(true); }
    const Sayfa* sayfa = nullptr;
    double olcek = 1.0; // of the screen's own resolution
    // The paper's size in twips: the shown page's, A4 before the first one.
    QSize kagitTwip() const { return sayfa ? QSize(sayfa->genislik, sayfa->yukseklik) : QSize(Birim::A4Genislik, Birim::A4Yukseklik); }
    QSize sayfaBoyu() const {
        const double px = Birim::olcek(logicalDpiX()) * olcek;
        return QSize(qRound(kagitTwip().width() * px), qRound(kagitTwip().height() * px));
    }
    void boyutla() {
        setFixedSize(sayfaBoyu() + QSize(2 * kMasaKenari, 2 * kMasaKenari));
        update();
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0x80, 0x80, 0x80));
        const QRect kagit(QPoint(kMasaKenari, kMasaKenari), sayfaBoyu());
        p.fillRect(kagit.translated(kGolge, kGolge), QColor(0x50, 0x50, 0x50));
        p.fillRect(kagit, Qt::white);
        if (!sayfa) return;
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.translate(kagit.topLeft());
        const double px = Birim::olcek(logicalDpiX() * olcek); // pixels per twip
        SayfaCizici::olcekle(p, logicalDpiX() * olcek);
        const QRectF acik = QRectF(e->rect().translated(-kagit.topLeft()));
        cizici_.ciz(p, *sayfa, QRectF(acik.topLeft() / px, acik.size() / px));
    }

private:
    SayfaCizici cizici_;
};

namespace {
QToolButton* dugme(QWidget* ust, const QString& metin, const QString& ipucu) {
    auto* d = new QToolButton(ust);
    d->setText(metin);
    d->setToolTip(ipucu);
    d->setAutoRaise(true);
    return d;
}
} // namespace

OnizlemePenceresi::OnizlemePenceresi(const QString& baslik, QWidget* ust) : QWidget(ust, Qt::Window) {
    setObjectName(QStringLiteral("Onizleme"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(baslik);
    auto* ilk = dugme(this, QStringLiteral("|◀"), QStringLiteral("İlk Sayfa"));
    auto* onceki = dugme(this, QStringLiteral("◀"), QStringLiteral("Önceki Sayfa"));
    auto* sonraki = dugme(this, QStringLiteral("▶"), QStringLiteral("Sonraki Sayfa"));
    auto* son = dugme(this, QStringLiteral("▶|"), QStringLiteral("Son Sayfa"));
    auto* yazdir = dugme(this, QStringLiteral("Yazdır..."), QStringLiteral("Raporu yazıcıya gönder"));
    auto* pdf = dugme(this, QStringLiteral("PDF Kaydet..."), QStringLiteral("Raporu PDF dosyası olarak kaydet"));
    auto* kapat = dugme(this, QStringLiteral("Kapat"), QStringLiteral("Önizlemeyi kapat"));
    durum_ = new QLabel(this);
    olcek_ = new QComboBox(this);
    olcek_->addItems({QStringLiteral("Sayfa Genişliği"), QStringLiteral("Tüm Sayfa"), QStringLiteral("%50"), QStringLiteral("%75"),
                      QStringLiteral("%100"), QStringLiteral("%150"), QStringLiteral("%200")});
    connect(ilk, &QToolButton::clicked, this, [this] { sayfayaGit(0); });
    connect(onceki, &QToolButton::clicked, this, [this] { sayfayaGit(gecerli_ - 1); });
    connect(sonraki, &QToolButton::clicked, this, [this] { sayfayaGit(gecerli_ + 1); });
    connect(son, &QToolButton::clicked, this, [this] { sayfayaGit(static_cast<int>(sayfalar_.size()) - 1); });
    connect(yazdir, &QToolButton::clicked, this, &OnizlemePenceresi::yazdirIstegi);
    connect(pdf, &QToolButton::clicked, this, &OnizlemePenceresi::pdfIstegi);
    connect(kapat, &QToolButton::clicked, this, &QWidget::close);
    connect(olcek_, &QComboBox::currentIndexChanged, this, [this] { sigdir(); });

    auto* arac = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{ilk, onceki, durum_, sonraki, son, olcek_, yazdir, pdf}) arac->addWidget(w);
    arac->addStretch();
    arac->addWidget(kapat);
    gorunum_ = new SayfaGorunumu(this);
    kaydirma_ = new QScrollArea(this);
    kaydirma_->setWidget(gorunum_);
    kaydirma_->setAlignment(Qt::AlignHCenter);
    kaydirma_->setBackgroundRole(QPalette::Dark);
    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(arac);
    duzen->addWidget(kaydirma_, 1);
    resize(1000, 800);
    gorunum_->boyutla();
    durumuYenile();
}

void OnizlemePenceresi::sayfa(Sayfa&& s) {
    sayfalar_.append(std::move(s));
    if (sayfalar_.size() == 1) sayfayaGit(0);
    durumuYenile();
}

void OnizlemePenceresi::uretimBitti() {
    uretiliyor_ = false;
    durumuYenile();
}

void OnizlemePenceresi::yenidenBasla() {
    gorunum_->sayfa = nullptr;
    sayfalar_.clear();
    gecerli_ = 0;
    uretiliyor_ = true;
    gorunum_->update();
    durumuYenile();
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

void OnizlemePenceresi::sayfayaGit(int i) {
    if (sayfalar_.isEmpty()) return;
    gecerli_ = qBound(0, i, static_cast<int>(sayfalar_.size()) - 1);
    gorunum_->sayfa = &sayfalar_.at(gecerli_);
    gorunum_->update();
    kaydirma_->verticalScrollBar()->setValue(0);
    durumuYenile();
}

void OnizlemePenceresi::durumuYenile() {
    const QString n = QString::number(sayfalar_.size()) + (uretiliyor_ ? QStringLiteral("+") : QString());
    durum_->setText(QStringLiteral(" Sayfa %1 / %2 ").arg(sayfalar_.isEmpty() ? 0 : gecerli_ + 1).arg(n));
    // The page list may have grown: the pointer must follow the storage.
    if (!sayfalar_.isEmpty()) gorunum_->sayfa = &sayfalar_.at(gecerli_);
}

void OnizlemePenceresi::yakinlastir(double olcek) {
    gorunum_->olcek = olcek;
    gorunum_->boyutla();
}

void OnizlemePenceresi::sigdir() {
    // Room for the desk margins and a vertical scroll bar.
    const int desk = 2 * kMasaKenari + kGolge;
    const QSize alan = kaydirma_->size() - QSize(desk + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + kGolge, desk + kGolge);
    const double tam = Birim::olcek(logicalDpiX());
    const QSize kagit = gorunum_->kagitTwip();
    switch (olcek_->currentIndex()) {
    case 0: yakinlastir(alan.width() / (kagit.width() * tam)); break;
    case 1: yakinlastir(qMin(alan.width() / (kagit.width() * tam), alan.height() / (kagit.height() * tam))); break;
    default: yakinlastir(olcek_->currentText().mid(1).toDouble() / 100.0); break;
    }
}

void OnizlemePenceresi::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (olcek_->currentIndex() <= 1) sigdir();
}

void OnizlemePenceresi::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    sigdir();
}

void OnizlemePenceresi::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_PageDown: sayfayaGit(gecerli_ + 1); return;
    case Qt::Key_PageUp: sayfayaGit(gecerli_ - 1); return;
    case Qt::Key_Home: sayfayaGit(0); return;
    case Qt::Key_End: sayfayaGit(static_cast<int>(sayfalar_.size()) - 1); return;
    case Qt::Key_Escape: close(); return;
    default: QWidget::keyPressEvent(e);
    }
}

void OnizlemePenceresi::closeEvent(QCloseEvent* e) {
    emit kapandi();
    QWidget::closeEvent(e);
}

bool OnizlemePenceresi::yazdir(QPrinter& yazici) { return Yazici::yazdir(yazici, sayfalar_); }

bool OnizlemePenceresi::pdfKaydet(const QString& dosya) {
    PdfYazici pdf(dosya, windowTitle(), QCoreApplication::applicationName());
    for (Sayfa s : sayfalar_) pdf.sayfa(std::move(s));
    return pdf.bitir();
}

void OnizlemePenceresi::yazdirIstegi() {
    Yazici yazici(windowTitle());
    if (!yazici.sor(this)) return;
    for (Sayfa s : sayfalar_) yazici.alici().sayfa(std::move(s));
    yazici.bitir();
}

void OnizlemePenceresi::pdfIstegi() {
    const QString dosya = QFileDialog::getSaveFileName(this, QStringLiteral("PDF Kaydet"), windowTitle() + QStringLiteral(".pdf"),
                                                       QStringLiteral("PDF (*.pdf)"));
    if (!dosya.isEmpty()) pdfKaydet(dosya);
}

} // namespace Bant
