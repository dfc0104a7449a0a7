#pragma once
#include "bant/SayfaCizici.h"

#include <QAbstractScrollArea>
#include <functional>

namespace Bant {

// The preview's pages on a grey desk, at a chosen scale: one page at a time,
// or all of them one below the other (continuous). Only the pages in sight
// are painted, so a report of tens of thousands of pages scrolls as lightly
// as one of ten.
class SayfaAlani : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit SayfaAlani(QWidget* ust = nullptr);

    // The window's page list; read, never changed. Tell sayfalarDegisti() when it grew or was emptied.
    void sayfalarAyarla(const QList<Sayfa>* sayfalar);
    void sayfalarDegisti();

    void olcekAyarla(double olcek); // of the screen's own resolution
    double olcek() const { return olcek_; }
    void surekliAyarla(bool surekli);
    bool surekli() const { return surekli_; }

    // One page: shows it from its top. Continuous: scrolls to its top.
    void sayfayaGit(int sayfa);
    // The page shown; in the continuous view the one across the middle of the view.
    int gecerliSayfa() const;
    // The item marked by a find (-1: none) and scrolled into sight.
    void vurgula(int sayfa, int oge);
    void basaGit();
    void sonaGit();

    // The paper in twips (the first page's, A4 before any) and in pixels at the scale.
    QSize kagitTwip() const;
    QSize sayfaBoyu() const;

    // Told when scrolling the continuous view brings another page to the middle.
    std::function<void(int)> sayfaDegisti;
    // Told when the wheel turns on past the foot (1) or top (-1) of the single page shown.
    std::function<void(int)> sinirGecildi;
    // Told for Ctrl+wheel: one zoom step up (1) or down (-1).
    std::function<void(int)> olcekAdimi;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    int sayfaSayisi() const;
    QSize icerik() const;          // the whole desk in pixels
    QPoint sayfaYeri(int i) const; // page i's top left in viewport pixels
    void kaydirmaAyarla();

    const QList<Sayfa>* sayfalar_ = nullptr;
    SayfaCizici cizici_;
    double olcek_ = 1.0;
    bool surekli_ = false;
    int tek_ = 0; // the page shown when one page is shown at a time
    int vurguluSayfa_ = -1;
    int vurguluOge_ = -1;
    int sonBildirilen_ = -1;
};

} // namespace Bant
