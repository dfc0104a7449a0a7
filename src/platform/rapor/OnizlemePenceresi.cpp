#include "platform/rapor/OnizlemePenceresi.h"
#include "platform/rapor/ExcelYazici.h"
#include "platform/rapor/HtmlYazici.h"
#include "platform/rapor/SayfaYazicilari.h"
#include "platform/rapor/Yazici.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QShortcut>
#include <QWheelEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
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
    int vurgulu = -1;   // the item a find stands on, marked on the page
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

    // Where an item stands in this widget's pixels.
    QRect ogeYeri(int oge) const {
        if (!sayfa || oge < 0 || oge >= sayfa->ogeler.size()) return {};
        const double px = Birim::olcek(logicalDpiX() * olcek);
        const QRect a = sayfa->ogeler.at(oge).alan;
        return QRect(kMasaKenari + qRound(a.left() * px), kMasaKenari + qRound(a.top() * px), qRound(a.width() * px),
                     qRound(a.height() * px));
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
        if (vurgulu >= 0 && vurgulu < sayfa->ogeler.size()) {
            const QRect alan = sayfa->ogeler.at(vurgulu).alan.adjusted(-30, -20, 30, 20);
            p.fillRect(alan, QColor(255, 214, 0, 90));
            p.setPen(QPen(QColor(230, 120, 0), 15));
            p.drawRect(alan);
        }
    }

private:
    SayfaCizici cizici_;
};

namespace {
QToolButton* dugme(QWidget* ust, const QString& metin, const QString& ipucu) {
    auto* d = new QToolButton(ust);
    d->setText(metin);
    d->setToolTip(ipucu);
    // Screen readers say what the button does, not the arrow drawn on it.
    d->setAccessibleName(ipucu);
    d->setAutoRaise(true);
    return d;
}

// The zoom presets' percentages, the steps of Ctrl+wheel and Ctrl+plus/minus.
constexpr int kOlcekler[] = {25, 50, 75, 100, 125, 150, 200, 300, 400};
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
    auto* kaydet = dugme(this, QStringLiteral("Kaydet"), QStringLiteral("Raporu dosyaya kaydet"));
    kaydet->setObjectName(QStringLiteral("Kaydet"));
    kaydet->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(kaydet);
    menu->setObjectName(QStringLiteral("KaydetMenusu"));
    for (const auto& [metin, bicim] : {std::pair{QStringLiteral("PDF..."), Bicim::Pdf},
                                       {QStringLiteral("Excel 97-2003 (.xls)..."), Bicim::Xls},
                                       {QStringLiteral("Excel (.xlsx)..."), Bicim::Xlsx},
                                       {QStringLiteral("Metin (.txt)..."), Bicim::Metin},
                                       {QStringLiteral("HTML..."), Bicim::Html}})
        connect(menu->addAction(metin), &QAction::triggered, this, [this, b = bicim] { kaydetIstegi(b); });
    kaydet->setMenu(menu);
    auto* kapat = dugme(this, QStringLiteral("Kapat"), QStringLiteral("Önizlemeyi kapat"));
    durum_ = new QLabel(this);
    durum_->setObjectName(QStringLiteral("SayfaEtiketi")); // its text ("Sayfa 7 / 18") is its accessible name
    durum_->setContentsMargins(6, 0, 6, 0);
    sayfaKutusu_ = new QLineEdit(this);
    sayfaKutusu_->setObjectName(QStringLiteral("SayfaKutusu"));
    sayfaKutusu_->setAccessibleName(QStringLiteral("Sayfa numarası"));
    sayfaKutusu_->setToolTip(QStringLiteral("Sayfa numarasını yazıp Enter'a basın"));
    sayfaKutusu_->setValidator(new QIntValidator(1, 9999999, sayfaKutusu_));
    sayfaKutusu_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    sayfaKutusu_->setAlignment(Qt::AlignRight);
    olcek_ = new QComboBox(this);
    olcek_->setObjectName(QStringLiteral("Olcek"));
    olcek_->setAccessibleName(QStringLiteral("Yakınlaştırma"));
    olcek_->addItems({QStringLiteral("Sayfa Genişliği"), QStringLiteral("Tüm Sayfa")});
    for (const int yuzde : kOlcekler) olcek_->addItem(QStringLiteral("%%1").arg(yuzde));
    olcek_->setCurrentIndex(0);
    ara_ = new QLineEdit(this);
    ara_->setObjectName(QStringLiteral("Ara"));
    ara_->setAccessibleName(QStringLiteral("Ara"));
    ara_->setPlaceholderText(QStringLiteral("Ara (Ctrl+F)"));
    ara_->setToolTip(QStringLiteral("Enter veya F3: sonraki, Shift+F3: önceki"));
    ara_->setClearButtonEnabled(true);
    ara_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("M")) * 14);
    not_ = new QLabel(this);
    not_->setObjectName(QStringLiteral("AramaNotu"));
    connect(ilk, &QToolButton::clicked, this, [this] { sayfayaGit(0); });
    connect(onceki, &QToolButton::clicked, this, [this] { sayfayaGit(gecerli_ - 1); });
    connect(sonraki, &QToolButton::clicked, this, [this] { sayfayaGit(gecerli_ + 1); });
    connect(son, &QToolButton::clicked, this, [this] { sayfayaGit(static_cast<int>(sayfalar_.size()) - 1); });
    connect(yazdir, &QToolButton::clicked, this, &OnizlemePenceresi::yazdirIstegi);
    connect(kapat, &QToolButton::clicked, this, &QWidget::close);
    connect(olcek_, &QComboBox::currentIndexChanged, this, [this] { sigdir(); });
    connect(sayfaKutusu_, &QLineEdit::returnPressed, this, [this] { sayfayaGit(sayfaKutusu_->text().toInt() - 1); });
    connect(ara_, &QLineEdit::returnPressed, this, [this] { bul(ara_->text()); });
    connect(ara_, &QLineEdit::textChanged, this, [this] { notYaz({}); });
    auto kisayol = [this](const QKeySequence& tus, auto&& is) {
        auto* k = new QShortcut(tus, this);
        k->setContext(Qt::WindowShortcut);
        connect(k, &QShortcut::activated, this, is);
    };
    kisayol(QKeySequence::Find, [this] {
        ara_->setFocus();
        ara_->selectAll();
    });
    kisayol(QKeySequence(Qt::Key_F3), [this] { bul(ara_->text()); });
    kisayol(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { bul(ara_->text(), true); });
    kisayol(QKeySequence::ZoomIn, [this] { adimla(1); });
    kisayol(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { adimla(1); });
    kisayol(QKeySequence::ZoomOut, [this] { adimla(-1); });
    kisayol(QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { sayfayaGit(0); });
    kisayol(QKeySequence::Copy, [this] { kopyala(); });
    kisayol(QKeySequence(Qt::CTRL | Qt::Key_End), [this] { sayfayaGit(static_cast<int>(sayfalar_.size()) - 1); });

    auto* arac = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{ilk, onceki, sayfaKutusu_, durum_, sonraki, son, olcek_, yazdir, kaydet, ara_, not_})
        arac->addWidget(w);
    arac->addStretch();
    arac->addWidget(kapat);
    gorunum_ = new SayfaGorunumu(this);
    kaydirma_ = new QScrollArea(this);
    kaydirma_->setWidget(gorunum_);
    kaydirma_->setAlignment(Qt::AlignHCenter);
    kaydirma_->setBackgroundRole(QPalette::Dark);
    kaydirma_->setAccessibleName(QStringLiteral("Rapor sayfası"));
    kaydirma_->viewport()->installEventFilter(this);
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
    if (bekleyenArama_) {
        if (const auto yer = arayici_.ilk(sayfalar_, *bekleyenArama_)) {
            bekleyenArama_.reset();
            notYaz({});
            bulunanaGit(*yer);
        } else {
            bekleyenArama_ = static_cast<int>(sayfalar_.size());
        }
    }
}

void OnizlemePenceresi::uretimBitti() {
    uretiliyor_ = false;
    if (bekleyenArama_) {
        bekleyenArama_.reset();
        notYaz(QStringLiteral("Bulunamadı"));
    }
    durumuYenile();
}

void OnizlemePenceresi::bul(const QString& metin, bool geri) {
    if (metin.isEmpty()) return;
    if (metin != arayici_.aranan()) {
        arayici_.aranan(metin);
        bulunan_.reset();
    }
    bekleyenArama_.reset();
    // From the match shown, else from the top (or foot) of the shown page.
    SayfaArayici::Yer nereden{gecerli_, geri ? static_cast<int>(sayfalar_.value(gecerli_).ogeler.size()) : -1};
    if (bulunan_ && bulunan_->sayfa < sayfalar_.size()) nereden = *bulunan_;
    const auto sonuc = arayici_.bul(sayfalar_, nereden, geri);
    if (!sonuc) {
        if (uretiliyor_) {
            bekleyenArama_ = static_cast<int>(sayfalar_.size());
            notYaz(QStringLiteral("Aranıyor..."));
        } else {
            notYaz(QStringLiteral("Bulunamadı"));
        }
        return;
    }
    notYaz(sonuc->dondu ? (geri ? QStringLiteral("Sona dönüldü") : QStringLiteral("Başa dönüldü")) : QString());
    bulunanaGit(sonuc->yer);
}

void OnizlemePenceresi::bulunanaGit(SayfaArayici::Yer yer) {
    bulunan_ = yer;
    sayfayaGit(yer.sayfa);
    const QRect alan = gorunum_->ogeYeri(yer.oge);
    kaydirma_->ensureVisible(alan.center().x(), alan.center().y(), alan.width() / 2 + 60, alan.height() / 2 + 60);
}

void OnizlemePenceresi::notYaz(const QString& not_metni) { not_->setText(not_metni); }

void OnizlemePenceresi::yenidenBasla() {
    gorunum_->sayfa = nullptr;
    sayfalar_.clear();
    gecerli_ = 0;
    bulunan_.reset();
    bekleyenArama_.reset();
    notYaz({});
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
    sayfaKutusu_->setText(QString::number(gecerli_ + 1));
}

void OnizlemePenceresi::durumuYenile() {
    const QString n = QString::number(sayfalar_.size()) + (uretiliyor_ ? QStringLiteral("+") : QString());
    durum_->setText(QStringLiteral("Sayfa %1 / %2").arg(sayfalar_.isEmpty() ? 0 : gecerli_ + 1).arg(n));
    // The page list may have grown: the pointer must follow the storage.
    if (!sayfalar_.isEmpty()) gorunum_->sayfa = &sayfalar_.at(gecerli_);
    gorunum_->vurgulu = bulunan_ && bulunan_->sayfa == gecerli_ ? bulunan_->oge : -1;
    if (!sayfaKutusu_->hasFocus()) sayfaKutusu_->setText(sayfalar_.isEmpty() ? QString() : QString::number(gecerli_ + 1));
}

void OnizlemePenceresi::yakinlastir(double olcek) {
    gorunum_->olcek = olcek;
    gorunum_->boyutla();
}

double OnizlemePenceresi::olcek() const { return gorunum_->olcek; }

QString OnizlemePenceresi::gorunumDurumu() const { return QString::fromLatin1(saveGeometry().toBase64()) + u'|' + olcek_->currentText(); }

void OnizlemePenceresi::gorunumDurumunuYukle(const QString& durum) {
    const QStringList parcalar = durum.split(u'|');
    if (parcalar.size() != 2) return;
    restoreGeometry(QByteArray::fromBase64(parcalar.at(0).toLatin1()));
    if (olcek_->findText(parcalar.at(1)) >= 0) olcek_->setCurrentText(parcalar.at(1));
}

void OnizlemePenceresi::adimla(int yon) {
    const int simdiki = qRound(gorunum_->olcek * 100);
    int hedef = yon > 0 ? kOlcekler[std::size(kOlcekler) - 1] : kOlcekler[0];
    for (const int yuzde : kOlcekler) {
        if (yon > 0 && yuzde > simdiki) {
            hedef = yuzde;
            break;
        }
        if (yon < 0 && yuzde < simdiki) hedef = yuzde;
    }
    olcek_->setCurrentText(QStringLiteral("%%1").arg(hedef));
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
    // Home and End: the top and foot of the page; with Ctrl (a shortcut) the first and last page.
    case Qt::Key_Home: kaydirma_->verticalScrollBar()->setValue(0); return;
    case Qt::Key_End: kaydirma_->verticalScrollBar()->setValue(kaydirma_->verticalScrollBar()->maximum()); return;
    case Qt::Key_Escape: close(); return;
    default: QWidget::keyPressEvent(e);
    }
}

bool OnizlemePenceresi::eventFilter(QObject* nesne, QEvent* e) {
    if (nesne == kaydirma_->viewport() && e->type() == QEvent::Wheel) return tekerlek(static_cast<QWheelEvent*>(e));
    return QWidget::eventFilter(nesne, e);
}

bool OnizlemePenceresi::tekerlek(QWheelEvent* e) {
    const int yon = e->angleDelta().y();
    if (yon == 0) return false;
    if (e->modifiers() & Qt::ControlModifier) {
        adimla(yon > 0 ? 1 : -1);
        return true;
    }
    // At the foot of a page the wheel runs on to the next one, at its top back to the previous.
    QScrollBar* kaydirma = kaydirma_->verticalScrollBar();
    if (yon < 0 && kaydirma->value() == kaydirma->maximum() && gecerli_ + 1 < sayfalar_.size()) {
        sayfayaGit(gecerli_ + 1);
        return true;
    }
    if (yon > 0 && kaydirma->value() == 0 && gecerli_ > 0) {
        sayfayaGit(gecerli_ - 1);
        kaydirma->setValue(kaydirma->maximum());
        return true;
    }
    return false;
}

void OnizlemePenceresi::closeEvent(QCloseEvent* e) {
    emit kapandi();
    QWidget::closeEvent(e);
}

bool OnizlemePenceresi::yazdir(QPrinter& yazici) { return Yazici::yazdir(yazici, sayfalar_); }

void OnizlemePenceresi::disaAktarmaAyarla(const DegerBicimi& bicim, const MetinSecenekleri& metin) {
    bicim_.ondalik = bicim.ondalik;
    bicim_.binlik = bicim.binlik;
    bicim_.kisaTarih = bicim.kisaTarih;
    metinSecenekleri_ = metin;
}

bool OnizlemePenceresi::kaydet(Bicim bicim, const QString& dosya) {
    if (sayfalar_.isEmpty()) return false;
    // Each writer takes the pages as the report's run gives them, one by one.
    auto yaz = [this](auto& yazici) {
        for (Sayfa s : sayfalar_) yazici.sayfa(std::move(s));
        return yazici.bitir();
    };
    switch (bicim) {
    case Bicim::Pdf: {
        PdfYazici y(dosya, windowTitle(), QCoreApplication::applicationName());
        return yaz(y);
    }
    case Bicim::Xls:
    case Bicim::Xlsx: {
        ExcelYazici y(dosya, bicim_, windowTitle(), bicim == Bicim::Xlsx);
        return yaz(y);
    }
    case Bicim::Metin: {
        MetinYazici y(dosya, metinSecenekleri_);
        return yaz(y);
    }
    case Bicim::Html: {
        HtmlYazici y(dosya, windowTitle());
        return yaz(y);
    }
    }
    return false;
}

void OnizlemePenceresi::kopyala() {
    if (sayfalar_.isEmpty()) return;
    QTemporaryDir klasor;
    const QString yol = klasor.filePath(QStringLiteral("sayfa.txt"));
    MetinYazici metin(yol, MetinSecenekleri{QStringLiteral("\t"), {}, true, true});
    metin.sayfa(Sayfa(sayfalar_.at(gecerli_)));
    QFile dosya(yol);
    if (!metin.bitir() || !dosya.open(QIODevice::ReadOnly)) return;
    QString t = QString::fromUtf8(dosya.readAll());
    if (t.startsWith(QChar(0xFEFF))) t.remove(0, 1);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QGuiApplication::clipboard()->setText(t);
    notYaz(QStringLiteral("Sayfa %1 panoya kopyalandı").arg(gecerli_ + 1));
}

void OnizlemePenceresi::yazdirIstegi() {
    Yazici yazici(windowTitle());
    if (!yazici.sor(this)) return;
    for (Sayfa s : sayfalar_) yazici.alici().sayfa(std::move(s));
    yazici.bitir();
}

void OnizlemePenceresi::kaydetIstegi(Bicim bicim) {
    static const char* const uzantilar[] = {"pdf", "xls", "xlsx", "txt", "htm"};
    static const char* const suzgecler[] = {"PDF (*.pdf)", "Excel 97-2003 (*.xls)", "Excel (*.xlsx)", "Metin (*.txt)",
                                            "HTML (*.htm *.html)"};
    const auto i = static_cast<size_t>(bicim);
    const QString dosya = QFileDialog::getSaveFileName(this, QStringLiteral("Kaydet"), windowTitle() + u'.' + QLatin1String(uzantilar[i]),
                                                       QLatin1String(suzgecler[i]));
    if (dosya.isEmpty()) return;
    notYaz(QStringLiteral("Kaydediliyor..."));
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool tamam = kaydet(bicim, dosya);
    QGuiApplication::restoreOverrideCursor();
    notYaz(tamam ? QStringLiteral("Kaydedildi: ") + QFileInfo(dosya).fileName() : QStringLiteral("Dosya yazılamadı: ") + dosya);
}

} // namespace Bant
