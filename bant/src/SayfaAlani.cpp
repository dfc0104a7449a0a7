#include "SayfaAlani.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QScrollBar>
#include <QWheelEvent>

namespace Bant {

namespace {
constexpr int kMasaKenari = 20; // pixels of grey desk around the paper, and between pages
constexpr int kGolge = 4;       // the paper's shadow
} // namespace

SayfaAlani::SayfaAlani(QWidget* ust) : QAbstractScrollArea(ust) {
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(40);
    horizontalScrollBar()->setSingleStep(40);
}

void SayfaAlani::sayfalarAyarla(const QList<Sayfa>* sayfalar) {
    sayfalar_ = sayfalar;
    sayfalarDegisti();
}

int SayfaAlani::sayfaSayisi() const { return sayfalar_ ? static_cast<int>(sayfalar_->size()) : 0; }

void SayfaAlani::sayfalarDegisti() {
    if (tek_ >= sayfaSayisi()) tek_ = qMax(0, sayfaSayisi() - 1);
    if (vurguluSayfa_ >= sayfaSayisi()) vurguluSayfa_ = vurguluOge_ = -1;
    kaydirmaAyarla();
    viewport()->update();
}

QSize SayfaAlani::kagitTwip() const {
    if (sayfaSayisi() == 0) return {Birim::A4Genislik, Birim::A4Yukseklik};
    return {sayfalar_->first().genislik, sayfalar_->first().yukseklik};
}

QSize SayfaAlani::sayfaBoyu() const {
    const double px = Birim::olcek(logicalDpiX()) * olcek_;
    return {qRound(kagitTwip().width() * px), qRound(kagitTwip().height() * px)};
}

QSize SayfaAlani::icerik() const {
    const QSize s = sayfaBoyu();
    const int n = surekli_ ? qMax(1, sayfaSayisi()) : 1;
    return {s.width() + 2 * kMasaKenari, n * (s.height() + kMasaKenari) + kMasaKenari};
}

QPoint SayfaAlani::sayfaYeri(int i) const {
    const QSize alan = viewport()->size(), ic = icerik();
    const int x = ic.width() < alan.width() ? (alan.width() - ic.width()) / 2 : -horizontalScrollBar()->value();
    const int sira = surekli_ ? i : 0;
    return {x + kMasaKenari, kMasaKenari + sira * (sayfaBoyu().height() + kMasaKenari) - verticalScrollBar()->value()};
}

void SayfaAlani::kaydirmaAyarla() {
    const QSize alan = viewport()->size(), ic = icerik();
    horizontalScrollBar()->setRange(0, qMax(0, ic.width() - alan.width()));
    horizontalScrollBar()->setPageStep(alan.width());
    verticalScrollBar()->setRange(0, qMax(0, ic.height() - alan.height()));
    verticalScrollBar()->setPageStep(alan.height());
}

void SayfaAlani::olcekAyarla(double olcek) {
    // The continuous view keeps the page it shows at the same place.
    const int sayfa = gecerliSayfa();
    olcek_ = olcek;
    kaydirmaAyarla();
    if (surekli_) sayfayaGit(sayfa);
    viewport()->update();
}

void SayfaAlani::surekliAyarla(bool surekli) {
    const int sayfa = gecerliSayfa();
    surekli_ = surekli;
    kaydirmaAyarla();
    sayfayaGit(sayfa);
}

void SayfaAlani::sayfayaGit(int sayfa) {
    if (sayfaSayisi() == 0) return;
    sayfa = qBound(0, sayfa, sayfaSayisi() - 1);
    if (surekli_) {
        verticalScrollBar()->setValue(sayfa * (sayfaBoyu().height() + kMasaKenari));
    } else {
        tek_ = sayfa;
        verticalScrollBar()->setValue(0);
    }
    viewport()->update();
}

int SayfaAlani::gecerliSayfa() const {
    if (!surekli_ || sayfaSayisi() == 0) return tek_;
    const int orta = verticalScrollBar()->value() + viewport()->height() / 2 - kMasaKenari;
    return qBound(0, orta / (sayfaBoyu().height() + kMasaKenari), sayfaSayisi() - 1);
}

void SayfaAlani::basaGit() { verticalScrollBar()->setValue(surekli_ ? gecerliSayfa() * (sayfaBoyu().height() + kMasaKenari) : 0); }

void SayfaAlani::sonaGit() {
    const int sayfa = gecerliSayfa();
    verticalScrollBar()->setValue(surekli_ ? (sayfa + 1) * (sayfaBoyu().height() + kMasaKenari) - viewport()->height()
                                           : verticalScrollBar()->maximum());
}

void SayfaAlani::vurgula(int sayfa, int oge) {
    vurguluSayfa_ = sayfa;
    vurguluOge_ = oge;
    if (sayfa < 0 || sayfa >= sayfaSayisi() || oge < 0 || oge >= sayfalar_->at(sayfa).ogeler.size()) {
        viewport()->update();
        return;
    }
    // The item's place on the desk, then the scroll bars moved just enough to show it with some room.
    const double px = Birim::olcek(logicalDpiX() * olcek_);
    const QRect a = sayfalar_->at(sayfa).ogeler.at(oge).alan;
    const QPoint yer = sayfaYeri(sayfa) + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const QRect masada(yer.x() + qRound(a.left() * px), yer.y() + qRound(a.top() * px), qRound(a.width() * px), qRound(a.height() * px));
    const QRect bosluk = masada.adjusted(-60, -60, 60, 60);
    QScrollBar* d = verticalScrollBar();
    if (bosluk.top() < d->value()) d->setValue(bosluk.top());
    if (bosluk.bottom() > d->value() + viewport()->height()) d->setValue(bosluk.bottom() - viewport()->height());
    QScrollBar* y = horizontalScrollBar();
    if (bosluk.left() < y->value()) y->setValue(bosluk.left());
    if (bosluk.right() > y->value() + viewport()->width()) y->setValue(bosluk.right() - viewport()->width());
    viewport()->update();
}

void SayfaAlani::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    p.fillRect(e->rect(), QColor(0x80, 0x80, 0x80));
    const QSize boy = sayfaBoyu();
    const int n = sayfaSayisi();
    const int adim = boy.height() + kMasaKenari;
    // The pages in sight: all of them in one view, or the single one shown.
    int ilk = surekli_ ? qMax(0, (verticalScrollBar()->value() - kMasaKenari) / qMax(1, adim)) : tek_;
    int son = surekli_ ? qMin(n - 1, (verticalScrollBar()->value() + viewport()->height()) / qMax(1, adim)) : tek_;
    if (n == 0) ilk = son = -1;
    if (n == 0) {
        // Before the first page: the empty paper.
        const QRect kagit(sayfaYeri(0), boy);
        p.fillRect(kagit.translated(kGolge, kGolge), QColor(0x50, 0x50, 0x50));
        p.fillRect(kagit, Qt::white);
        return;
    }
    const double px = Birim::olcek(logicalDpiX() * olcek_);
    for (int i = ilk; i <= son; ++i) {
        const QRect kagit(sayfaYeri(i), boy);
        if (!kagit.intersects(e->rect().adjusted(-kGolge, -kGolge, 0, 0))) continue;
        p.fillRect(kagit.translated(kGolge, kGolge), QColor(0x50, 0x50, 0x50));
        p.fillRect(kagit, Qt::white);
        p.save();
        p.setClipRect(kagit);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.translate(kagit.topLeft());
        SayfaCizici::olcekle(p, logicalDpiX() * olcek_);
        const QRectF acik = QRectF(e->rect().intersected(kagit).translated(-kagit.topLeft()));
        const Sayfa& s = sayfalar_->at(i);
        cizici_.ciz(p, s, QRectF(acik.topLeft() / px, acik.size() / px));
        if (i == vurguluSayfa_ && vurguluOge_ >= 0 && vurguluOge_ < s.ogeler.size()) {
            const QRect alan = s.ogeler.at(vurguluOge_).alan.adjusted(-30, -20, 30, 20);
            p.fillRect(alan, QColor(255, 214, 0, 90));
            p.setPen(QPen(QColor(230, 120, 0), 15));
            p.drawRect(alan);
        }
        p.restore();
    }
}

void SayfaAlani::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    kaydirmaAyarla();
}

void SayfaAlani::scrollContentsBy(int, int) {
    viewport()->update();
    const int sayfa = gecerliSayfa();
    if (surekli_ && sayfa != sonBildirilen_ && sayfaDegisti) {
        sonBildirilen_ = sayfa;
        sayfaDegisti(sayfa);
    }
}

void SayfaAlani::wheelEvent(QWheelEvent* e) {
    const int yon = e->angleDelta().y();
    if (yon != 0 && (e->modifiers() & Qt::ControlModifier)) {
        if (olcekAdimi) olcekAdimi(yon > 0 ? 1 : -1);
        e->accept();
        return;
    }
    // One page at a time: at its foot the wheel runs on to the next page, at its top back to the previous.
    QScrollBar* d = verticalScrollBar();
    if (!surekli_ && yon < 0 && d->value() == d->maximum() && tek_ + 1 < sayfaSayisi() && sinirGecildi) {
        sinirGecildi(1);
        e->accept();
        return;
    }
    if (!surekli_ && yon > 0 && d->value() == 0 && tek_ > 0 && sinirGecildi) {
        sinirGecildi(-1);
        d->setValue(d->maximum());
        e->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(e);
}

} // namespace Bant
