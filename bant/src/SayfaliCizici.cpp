#include "bant/SayfaliCizici.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>

namespace Bant {

namespace {

// The device's paper as the page wants it: its size (the nearest standard
// one, so a printer picks its tray) and orientation, no margins of its own.
void kagitAyarla(QPagedPaintDevice& cihaz, const Sayfa& s) {
    const bool yatay = s.genislik > s.yukseklik;
    const QSizeF nokta(qMin(s.genislik, s.yukseklik) / 20.0, qMax(s.genislik, s.yukseklik) / 20.0);
    const QPageSize boyut(nokta, QPageSize::Point, QString(), QPageSize::FuzzyMatch);
    const QPageLayout duzen(boyut, yatay ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
    if (!cihaz.pageLayout().isEquivalentTo(duzen)) cihaz.setPageLayout(duzen);
}

} // namespace

void SayfaliCizici::sayfa(Sayfa&& s) {
    if (hata_) return;
    kagitAyarla(cihaz_, s);
    if (ilk_) {
        ilk_ = false;
        if (!ressam_.begin(&cihaz_)) {
            hata_ = true;
            return;
        }
        SayfaCizici::olcekle(ressam_, dpi_);
    } else {
        cihaz_.newPage();
    }
    cizici_.ciz(ressam_, s);
}

bool SayfaliCizici::bitir() {
    if (ressam_.isActive() && !ressam_.end()) hata_ = true;
    return !hata_;
}

} // namespace Bant
