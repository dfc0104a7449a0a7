#pragma once
#include "bant/SayfaCizici.h"

class QPagedPaintDevice;

namespace Bant {

// The one print loop: pages drawn on a paged device (a printer, a PDF
// writer) as they arrive, a new sheet before each page but the first.
class SayfaliCizici : public SayfaAlici {
public:
    // `dpi`: the device's resolution, for the painter's twip scale.
    SayfaliCizici(QPagedPaintDevice& cihaz, double dpi) : cihaz_(cihaz), dpi_(dpi) {}
    ~SayfaliCizici() override { bitir(); }
    void sayfa(Sayfa&& s) override;
    // Ends the painting; false when the device could not be painted on.
    bool bitir();

private:
    QPagedPaintDevice& cihaz_;
    double dpi_;
    QPainter ressam_;
    SayfaCizici cizici_;
    bool ilk_ = true;
    bool hata_ = false;
};

} // namespace Bant
