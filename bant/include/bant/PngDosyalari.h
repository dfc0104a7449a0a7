#pragma once
#include "bant/SayfaCizici.h"

namespace Bant {

// One PNG per page ("sayfa-001.png" ...) at the given resolution.
class PngDosyalari : public SayfaAlici {
public:
    PngDosyalari(const QString& klasor, int dpi = 150) : klasor_(klasor), dpi_(dpi) {}
    void sayfa(Sayfa&& s) override;
    int sayfaSayisi() const { return sayi_; }
    bool hataVar() const { return hata_; }

private:
    QString klasor_;
    int dpi_;
    SayfaCizici cizici_;
    int sayi_ = 0;
    bool hata_ = false;
};

} // namespace Bant
