#include "filterform/FiltreFrm.h"
#include "filterform/FiltreIzgarasi.h"
#include "filterform/SecimListesi.h"
#include "filterform/Secenekler.h"
#include "filterform/TarihYazimi.h"
#include "platform/izgara/IzgaraGorunumu.h"
#include "platform/sistem/Mesaj.h"
#include "platform/sistem/Sistem.h"
#include "startup/BolgeselAyar.h"
#include "startup/ProgramSonu.h"
#include "startup/Metin.h"
#include "template/Sablon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QElapsedTimer>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The selection list's "Secim" cell as a check box; its text stays "True"/"False".
class IsaretTemsilcisi : public QStyledItemDelegate {
public:
    IsaretTemsilcisi(std::function<void(int)> cevir, QObject* ust) : QStyledItemDelegate(ust), cevir_(std::move(cevir)) {}

protected:
    // A click on the box itself inverts it, as in any check list.
    bool editorEvent(QEvent* e, QAbstractItemModel*, const QStyleOptionViewItem& secenek, const QModelIndex& i) override {
        if (e->type() != QEvent::MouseButtonRelease) return false;
        QStyleOptionViewItem o = secenek;
        initStyleOption(&o, i);
        const QWidget* w = o.widget;
        const QStyle* stil = w ? w->style() : QApplication::style();
        const QRect kutu = stil->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &o, w);
        if (!kutu.contains(static_cast<QMouseEvent*>(e)->position().toPoint())) return false;
        cevir_(i.row());
        sonSatir_ = i.row();
        sonCevirme_.start();
        return true;
    }

public:
    // A double click on the box inverts it once, as Space does: its first
    // click already did, so the double click itself must not again.
    bool azOnceCevrildi(int satir) const {
        return satir == sonSatir_ && sonCevirme_.isValid() && sonCevirme_.elapsed() <= QApplication::doubleClickInterval();
    }

protected:
    void initStyleOption(QStyleOptionViewItem* secenek, const QModelIndex& i) const override {
        QStyledItemDelegate::initStyleOption(secenek, i);
        secenek->features |= QStyleOptionViewItem::HasCheckIndicator;
        secenek->checkState = i.data().toString().compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ? Qt::Checked : Qt::Unchecked;
        secenek->text.clear();
    }

private:
    std::function<void(int)> cevir_;
    int sonSatir_ = -1;
    QElapsedTimer sonCevirme_;
};

// Twips of the form: the screen's 96 dots to the inch.
constexpr int kTwipPiksel = 15;

} // namespace

QString FiltreFrm::pencereBasligi() { return Buyuk_Harf(sistem().programAdi()); }

FiltreFrm::FiltreFrm(ListeOrtami liste, const QString& firmaAdi, QWidget* ust) : QWidget(ust), form_(std::move(liste)) {
    setObjectName(QStringLiteral("FiltreFrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(pencereBasligi());

    const QString mesaj = form_.yukle(Master_Yolu());
    if (!mesaj.isEmpty()) {
        MsgBox(mesaj, Simge::Kritik);
        throw ProgramSonu{1};
    }

    FirmaLbl = new QLabel(firmaAdi, this);
    FirmaLbl->setObjectName(QStringLiteral("FirmaLbl"));
    QFont kalin = FirmaLbl->font();
    kalin.setBold(true);
    FirmaLbl->setFont(kalin);

    FiltreGrd = new IzgaraGorunumu(&form_.FiltreGrd, this);
    FiltreGrd->setObjectName(QStringLiteral("FiltreGrd"));
    FiltreGrd->hareketIzni = [this](int satir, int sutun) { return form_.hareketOncesi(satir, sutun); };
    FiltreGrd->hareketSonrasi = [this](int satir, int sutun) { return form_.hareketSonrasi(satir, sutun); };
    FiltreGrd->duzenleyiciAcildi = [this](QWidget* d, int satir, int) { duzenleyiciAcildi(d, satir); };
    FiltreGrd->installEventFilter(this);
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
        // In the selection list F2 first inverts the current option.
        if (CoktanSecmeliGrd->isVisible() && CoktanSecmeliGrd->hasFocus())
            Secimi_Cevir(form_.CoktanSecmeliGrd, CoktanSecmeliGrd->currentIndex().row());
        TamamBtn->setFocus();
        TamamBtn_Click();
    });
    connect(new QShortcut(QKeySequence(Qt::Key_F9), this), &QShortcut::activated, this, [this] {
        // A date being typed is committed first, or it would be written over today's.
        if (FiltreGrd->duzenleniyor()) FiltreGrd->setFocus();
        form_.Islem_Tarihi_Bugun();
    });
    // A text editor keeps Delete for its own text; elsewhere it resets the value.
    connect(new QShortcut(QKeySequence(Qt::Key_Delete), this), &QShortcut::activated, this, &FiltreFrm::Sil);

    // The selection list of multiple-choice rows, over the grid while a choice is made.
    form_.CoktanSecmeliGrd.duzenlenebilirAyarla(false);
    CoktanSecmeliGrd = new IzgaraGorunumu(&form_.CoktanSecmeliGrd, this);
    CoktanSecmeliGrd->setObjectName(QStringLiteral("CoktanSecmeliGrd"));
    auto* isaret = new IsaretTemsilcisi([this](int satir) { Secimi_Cevir(form_.CoktanSecmeliGrd, satir); }, CoktanSecmeliGrd);
    CoktanSecmeliGrd->setItemDelegateForColumn(0, isaret);
    CoktanSecmeliGrd->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CoktanSecmeliGrd->hareketSonrasi = [](int satir, int) { return std::pair<int, int>{satir, 0}; }; // the cursor stays in Secim
    CoktanSecmeliGrd->hide();
    CoktanSecmeliGrd->installEventFilter(this);
    connect(CoktanSecmeliGrd, &QAbstractItemView::doubleClicked, this, [this, isaret](const QModelIndex& i) {
        if (!isaret->azOnceCevrildi(i.row())) Secimi_Cevir(form_.CoktanSecmeliGrd, i.row());
    });

    // A child of the form, not of the grid: a click on it must not give the
    // grid the focus, which would store and close an open list before the
    // button could.
    AraBtn = new QToolButton(this);
    AraBtn->setObjectName(QStringLiteral("AraBtn"));
    AraBtn->setText(QStringLiteral("..."));
    AraBtn->setFocusPolicy(Qt::NoFocus);
    AraBtn->hide();
    connect(AraBtn, &QToolButton::clicked, this, &FiltreFrm::AraBtn_Click);
    connect(&form_.FiltreGrd, &IzgaraModeli::gecerliHucreDegisti, this, &FiltreFrm::Buton_Yerlestir);
    connect(FiltreGrd->verticalScrollBar(), &QScrollBar::valueChanged, this, &FiltreFrm::izgaraKaydi);
    connect(FiltreGrd->horizontalScrollBar(), &QScrollBar::valueChanged, this, &FiltreFrm::izgaraKaydi);

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

    // Long captions ("Fatura Satırlarını Göster") show whole.
    const int baslikSutunu = form_.FiltreGrd.sutunNo(Sutun::FiltreLbl);
    QFont kalinYazi = FiltreGrd->font();
    kalinYazi.setBold(true);
    const QFontMetrics olcu(kalinYazi);
    int baslikGenisligi = FiltreGrd->columnWidth(baslikSutunu);
    for (int satir = 0; satir < form_.FiltreGrd.satirSayisi(); ++satir)
        baslikGenisligi = qMax(baslikGenisligi, olcu.horizontalAdvance(form_.FiltreGrd.hucre(satir, baslikSutunu)) + 12);
    FiltreGrd->setColumnWidth(baslikSutunu, baslikGenisligi);

    int genislik = 40;
    for (int c = 0; c < form_.FiltreGrd.columnCount(); ++c)
        if (!FiltreGrd->isColumnHidden(c)) genislik += FiltreGrd->columnWidth(c);
    resize(genislik, 640);
}

bool FiltreFrm::event(QEvent* e) {
    // Without a window manager a window may never be activated; the first
    // showing counts as the first activation then.
    if ((e->type() == QEvent::WindowActivate || e->type() == QEvent::Show) && !form_.degerlerYuklendi())
        QTimer::singleShot(0, this, &FiltreFrm::ilkEtkinlestirme);
    return QWidget::event(e);
}

void FiltreFrm::closeEvent(QCloseEvent* e) {
    // Deleting the form under a run or a load that yields to the event loop
    // would pull the panel, the grid and the form itself from under them.
    if (calisiyor_ || yukleniyor_) {
        kapanis_ = true;
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
}

void FiltreFrm::bekleyenKapanis() {
    if (kapanis_ && !calisiyor_ && !yukleniyor_) QTimer::singleShot(0, this, &QWidget::close);
}

void FiltreFrm::ilkEtkinlestirme() {
    // The load yields to the event loop between look-ups, where the second
    // scheduled activation would otherwise start a load of its own.
    if (form_.degerlerYuklendi() || yukleniyor_) return;
    yukleniyor_ = true;
    setCursor(Qt::BusyCursor);
    form_.etkinlestir([this](int deger, int enFazla) {
        Bar1->setMaximum(enFazla);
        Bar1->setValue(deger);
    });
    unsetCursor();
    yukleniyor_ = false;
    bekleyenKapanis();
    // The full bar stays a moment, then clears.
    QTimer::singleShot(400, this, [this] { Bar1->setValue(0); });
}

void FiltreFrm::Buton_Yerlestir() {
    const IzgaraModeli& g = form_.FiltreGrd;
    const int satir = g.gecerliSatir();
    const QModelIndex hucre = g.index(satir, g.gecerliSutun());
    const QRect r = FiltreGrd->visualRect(hucre);
    if (satir < 1 || !form_.cokluSecimSatiri(satir) || !r.isValid() || !FiltreGrd->viewport()->rect().intersects(r)) {
        AraBtn->hide();
        return;
    }
    // Square, as high as a row, at the cell's right end.
    const int kenar = FiltreGrd->rowHeight(1);
    const QPoint sagUst = FiltreGrd->viewport()->mapTo(this, QPoint(r.right() + 1 - kenar, r.top()));
    AraBtn->setGeometry(sagUst.x(), sagUst.y(), kenar, kenar);
    AraBtn->show();
    AraBtn->raise();
}

void FiltreFrm::izgaraKaydi() {
    // An open list would stay beside rows it does not belong to: it closes,
    // storing as when it loses the focus.
    if (CoktanSecmeliGrd->isVisible()) {
        form_.secimOdagiKaybetti();
        secimListesiniGizle();
    }
    Buton_Yerlestir();
}

void FiltreFrm::AraBtn_Click() {
    form_.AraBtn_Click();
    if (form_.secimAcik())
        secimListesiniGoster();
    else
        secimListesiniGizle();
}

void FiltreFrm::secimListesiniGoster() {
    const IzgaraModeli& g = form_.FiltreGrd;
    QRect hucre = FiltreGrd->visualRect(g.index(form_.SecimSatiri, g.sutunNo(Sutun::Baslangic)));
    hucre.moveTopLeft(FiltreGrd->viewport()->mapTo(this, hucre.topLeft()));
    const int satirYuksekligi = CoktanSecmeliGrd->verticalHeader()->defaultSectionSize() * kTwipPiksel;
    const QRect twip(hucre.left() * kTwipPiksel, hucre.top() * kTwipPiksel, hucre.width() * kTwipPiksel, hucre.height() * kTwipPiksel);
    const QRect yer = Liste_Yeri(twip, satirYuksekligi, form_.CoktanSecmeliGrd.satirSayisi(), height() * kTwipPiksel);
    CoktanSecmeliGrd->setGeometry(yer.left() / kTwipPiksel, yer.top() / kTwipPiksel, yer.width() / kTwipPiksel, yer.height() / kTwipPiksel);
    CoktanSecmeliGrd->show();
    CoktanSecmeliGrd->raise();
    CoktanSecmeliGrd->setCurrentIndex(form_.CoktanSecmeliGrd.index(0, 0));
    CoktanSecmeliGrd->setFocus();
}

void FiltreFrm::secimListesiniGizle() {
    CoktanSecmeliGrd->hide();
    FiltreGrd->viewport()->update();
    FiltreGrd->setFocus();
}

bool FiltreFrm::eventFilter(QObject* nesne, QEvent* e) {
    if (e->type() == QEvent::KeyPress && nesne == FiltreGrd && izgaraTusu(static_cast<QKeyEvent*>(e))) return true;
    if (e->type() == QEvent::KeyPress && nesne == tarihKutusu_ && tarihTusu(static_cast<QKeyEvent*>(e))) return true;
    if (nesne != CoktanSecmeliGrd) return QWidget::eventFilter(nesne, e);
    if (e->type() == QEvent::KeyPress) {
        const int satir = CoktanSecmeliGrd->currentIndex().row();
        switch (static_cast<QKeyEvent*>(e)->key()) {
        case Qt::Key_Space: Secimi_Cevir(form_.CoktanSecmeliGrd, satir); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: AraBtn_Click(); return true;
        case Qt::Key_Escape:
            form_.secimdenVazgec();
            secimListesiniGizle();
            return true;
        case Qt::Key_F3: close(); return true;
        default: break;
        }
    } else if (e->type() == QEvent::FocusOut && CoktanSecmeliGrd->isVisible()) {
        // Leaving the list for anything but the "..." button stores (unless Escape) and hides it.
        form_.secimOdagiKaybetti();
        CoktanSecmeliGrd->hide();
    }
    return QWidget::eventFilter(nesne, e);
}

void FiltreFrm::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Buton_Yerlestir();
}

bool FiltreFrm::izgaraTusu(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_F3: close(); return true;
    case Qt::Key_Escape:
        if (CoktanSecmeliGrd->isVisible())
            secimListesiniGizle();
        else
            close();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!AraBtn->isVisible() || FiltreGrd->duzenleniyor()) return false;
        AraBtn_Click();
        return true;
    default: return false;
    }
}

void FiltreFrm::Sil() {
    // An open cell editor or selection list hands its value over first, so
    // that it cannot write over the reset afterwards.
    if (FiltreGrd->duzenleniyor() || CoktanSecmeliGrd->isVisible()) FiltreGrd->setFocus();
    const bool listeAcikti = CoktanSecmeliGrd->isVisible();
    form_.Sil();
    if (listeAcikti) secimListesiniGizle();
}

void FiltreFrm::duzenleyiciAcildi(QWidget* duzenleyici, int satir) {
    if (!form_.tarihSatiri(satir)) return;
    auto* kutu = qobject_cast<QLineEdit*>(duzenleyici);
    if (auto* liste = qobject_cast<QComboBox*>(duzenleyici)) kutu = liste->lineEdit();
    if (!kutu) return;
    tarihKutusu_ = kutu;
    kutu->installEventFilter(this);
    // Only what the user types is reformatted, not the cell's text as the editor opens.
    connect(kutu, &QLineEdit::textEdited, this, &FiltreFrm::Tarih_Duzenle);
}

bool FiltreFrm::tarihTusu(QKeyEvent* e) {
    if (e->text().isEmpty() && e->key() != Qt::Key_Backspace) return false; // not a typed key
    form_.TarihBicimle = TarihBicimle(e->key(), e->text());
    if (e->key() != Qt::Key_Space) return false;
    const QString tam = Yili_Tamamla(tarihKutusu_->text(), Kisa_Tarih(QDate::currentDate()));
    if (tam.isEmpty()) return false;
    tarihKutusu_->setText(tam);
    tarihKutusu_->setCursorPosition(tam.size());
    Tarih_Duzenle();
    return true;
}

void FiltreFrm::Tarih_Duzenle() {
    QPointer<QLineEdit> kutu = tarihKutusu_;
    if (!kutu) return;
    const TarihDuzeni d = ::Tarih_Duzenle(kutu->text(), kutu->cursorPosition(), form_.TarihBicimle);
    if (d.yaz) {
        if (d.metin != kutu->text()) kutu->setText(d.metin);
        kutu->setCursorPosition(qMin(d.imlec, static_cast<int>(d.metin.size())));
    } else if (d.uyar) {
        // The text stays as typed; the grid takes it when the box takes the
        // focus. The box waits until the editor has finished with the key:
        // closing the editor deletes it, which must not happen beneath its
        // own key handling.
        QTimer::singleShot(0, this, [this, mesaj = d.mesaj] {
            MsgBox(mesaj, Simge::Kritik);
            FiltreGrd->setFocus();
        });
    }
}

void FiltreFrm::TamamBtn_Click() {
    // A run yields to the event loop, where F2 may be pressed again.
    if (calisiyor_) return;
    // A value still in its editor is committed before composing.
    FiltreGrd->setFocus();
    FiltreGrd->setCurrentIndex(FiltreGrd->currentIndex());
    TamamBtn->setEnabled(false);
    calisiyor_ = true;
    emit raporIstendi();
    calisiyor_ = false;
    TamamBtn->setEnabled(true);
    bekleyenKapanis();
}
