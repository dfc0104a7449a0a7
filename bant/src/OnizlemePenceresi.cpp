#include "bant/OnizlemePenceresi.h"
#include "bant/ExcelDosyasi.h"
#include "bant/HtmlDosyasi.h"
#include "SayfaAlani.h"
#include "bant/PdfDosyasi.h"
#include "bant/Yazici.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QProgressDialog>
#include <QScopeGuard>
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
QToolButton* dugme(QWidget* ust, const QString& metin, const QString& ipucu) {
    auto* d = new QToolButton(ust);
    d->setText(metin);
    d->setToolTip(ipucu);
    // Screen readers say what the button does, not the arrow drawn on it.
    d->setAccessibleName(ipucu);
    d->setAutoRaise(true);
    return d;
}

// An export of more pages than this shows its progress.
constexpr int kPanelliSayfa = 100;

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
    auto* surekli = dugme(this, QStringLiteral("Sürekli"), QStringLiteral("Sayfaları alt alta göster"));
    surekli->setObjectName(QStringLiteral("Surekli"));
    surekli->setCheckable(true);
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
    connect(surekli, &QToolButton::toggled, this, [this](bool acik) {
        alan_->surekliAyarla(acik);
        sayfayaGit(gecerli_);
    });
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
    for (QWidget* w :
         std::initializer_list<QWidget*>{ilk, onceki, sayfaKutusu_, durum_, sonraki, son, olcek_, surekli, yazdir, kaydet, ara_, not_})
        arac->addWidget(w);
    arac->addStretch();
    arac->addWidget(kapat);
    alan_ = new SayfaAlani(this);
    alan_->setObjectName(QStringLiteral("SayfaAlani"));
    alan_->setAccessibleName(QStringLiteral("Rapor sayfası"));
    alan_->sayfalarAyarla(&sayfalar_);
    alan_->sayfaDegisti = [this](int sayfa) {
        gecerli_ = sayfa;
        durumuYenile();
    };
    alan_->sinirGecildi = [this](int yon) { sayfayaGit(gecerli_ + yon); };
    alan_->olcekAdimi = [this](int yon) { adimla(yon); };
    auto* duzen = new QVBoxLayout(this);
    duzen->addLayout(arac);
    duzen->addWidget(alan_, 1);
    resize(1000, 800);
    durumuYenile();
}

void OnizlemePenceresi::sayfa(Sayfa&& s) {
    sayfalar_.append(std::move(s));
    alan_->sayfalarDegisti();
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
    alan_->vurgula(yer.sayfa, yer.oge);
}

void OnizlemePenceresi::notYaz(const QString& not_metni) { not_->setText(not_metni); }

void OnizlemePenceresi::yenidenBasla() {
    sayfalar_.clear();
    alan_->sayfalarDegisti();
    gecerli_ = 0;
    bulunan_.reset();
    bekleyenArama_.reset();
    notYaz({});
    uretiliyor_ = true;
    alan_->vurgula(-1, -1);
    durumuYenile();
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

void OnizlemePenceresi::sayfayaGit(int i) {
    if (sayfalar_.isEmpty()) return;
    gecerli_ = qBound(0, i, static_cast<int>(sayfalar_.size()) - 1);
    alan_->sayfayaGit(gecerli_);
    durumuYenile();
    sayfaKutusu_->setText(QString::number(gecerli_ + 1));
}

void OnizlemePenceresi::durumuYenile() {
    const QString n = QString::number(sayfalar_.size()) + (uretiliyor_ ? QStringLiteral("+") : QString());
    durum_->setText(QStringLiteral("Sayfa %1 / %2").arg(sayfalar_.isEmpty() ? 0 : gecerli_ + 1).arg(n));
    if (!sayfaKutusu_->hasFocus()) sayfaKutusu_->setText(sayfalar_.isEmpty() ? QString() : QString::number(gecerli_ + 1));
}

void OnizlemePenceresi::yakinlastir(double olcek) { alan_->olcekAyarla(olcek); }

double OnizlemePenceresi::olcek() const { return alan_->olcek(); }

QString OnizlemePenceresi::gorunumDurumu() const { return QString::fromLatin1(saveGeometry().toBase64()) + u'|' + olcek_->currentText(); }

void OnizlemePenceresi::gorunumDurumunuYukle(const QString& durum) {
    const QStringList parcalar = durum.split(u'|');
    if (parcalar.size() != 2) return;
    restoreGeometry(QByteArray::fromBase64(parcalar.at(0).toLatin1()));
    if (olcek_->findText(parcalar.at(1)) >= 0) olcek_->setCurrentText(parcalar.at(1));
}

void OnizlemePenceresi::adimla(int yon) {
    const int simdiki = qRound(alan_->olcek() * 100);
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
    const int masa = 2 * 20 + 4; // the desk's margins and the paper's shadow
    const QSize alan = alan_->viewport()->size() - QSize(masa, masa) - QSize(style()->pixelMetric(QStyle::PM_ScrollBarExtent), 0);
    const double tam = Birim::olcek(logicalDpiX());
    const QSize kagit = alan_->kagitTwip();
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
    case Qt::Key_Home: alan_->basaGit(); return;
    case Qt::Key_End: alan_->sonaGit(); return;
    case Qt::Key_Escape: close(); return;
    default: QWidget::keyPressEvent(e);
    }
}

void OnizlemePenceresi::closeEvent(QCloseEvent* e) {
    // An export under way reads the pages: the window stays until it ends or is dropped.
    if (kaydediliyor_) {
        e->ignore();
        return;
    }
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
    if (sayfalar_.isEmpty() || kaydediliyor_) return false;
    // A long export shows its progress and can be dropped; the window waits
    // for it (it holds the pages being written).
    const int n = static_cast<int>(sayfalar_.size());
    std::unique_ptr<QProgressDialog> panel;
    if (isVisible() && n > kPanelliSayfa) {
        panel = std::make_unique<QProgressDialog>(QStringLiteral("Kaydediliyor..."), QStringLiteral("Vazgeç"), 0, n, this);
        panel->setWindowTitle(windowTitle());
        panel->setWindowModality(Qt::WindowModal);
        panel->setMinimumDuration(300);
    }
    kaydediliyor_ = true;
    // Each writer takes the pages as the report's run gives them, one by one;
    // a dropped export leaves no file (the writer's destructor removes its draft).
    auto yaz = [this, n, &panel](auto& hedef) {
        for (int i = 0; i < n; ++i) {
            if (i >= sayfalar_.size()) return false; // a new run took the pages
            hedef.sayfa(Sayfa(sayfalar_.at(i)));
            if (panel && i % 20 == 0) {
                panel->setValue(i);
                QCoreApplication::processEvents();
                if (panel->wasCanceled()) return false;
            }
        }
        return hedef.bitir();
    };
    const auto bitti = qScopeGuard([this] { kaydediliyor_ = false; });
    switch (bicim) {
    case Bicim::Pdf: {
        PdfDosyasi y(dosya, windowTitle(), QCoreApplication::applicationName());
        return yaz(y);
    }
    case Bicim::Xls:
    case Bicim::Xlsx: {
        ExcelDosyasi y(dosya, bicim_, windowTitle(), bicim == Bicim::Xlsx);
        return yaz(y);
    }
    case Bicim::Metin: {
        MetinDosyasi y(dosya, metinSecenekleri_);
        return yaz(y);
    }
    case Bicim::Html: {
        HtmlDosyasi y(dosya, windowTitle());
        return yaz(y);
    }
    }
    return false;
}

void OnizlemePenceresi::kopyala() {
    if (sayfalar_.isEmpty()) return;
    QTemporaryDir klasor;
    const QString yol = klasor.filePath(QStringLiteral("sayfa.txt"));
    MetinDosyasi metin(yol, MetinSecenekleri{QStringLiteral("\t"), {}, true, true});
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
