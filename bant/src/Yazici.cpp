#include "bant/Yazici.h"

#include <QPrintDialog>
#include <QPrinterInfo>

namespace Bant {

Yazici::Yazici(const QString& belgeAdi) : yazici_(QPrinter::HighResolution) { yazici_.setDocName(belgeAdi); }

bool Yazici::sor(QWidget* ust) {
    QPrintDialog diyalog(&yazici_, ust);
    return diyalog.exec() == QDialog::Accepted;
}

bool Yazici::sec(const QString& ad) {
    const QPrinterInfo bilgi = ad.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(ad);
    if (bilgi.isNull()) return false;
    yazici_.setOutputFormat(QPrinter::NativeFormat);
    yazici_.setPrinterName(bilgi.printerName());
    return true;
}

SayfaAlici& Yazici::alici() {
    if (!cizici_) {
        yazici_.setFullPage(true);
        cizici_ = std::make_unique<SayfaliCizici>(yazici_, yazici_.resolution());
    }
    return *cizici_;
}

bool Yazici::bitir() { return !cizici_ || cizici_->bitir(); }

void Yazici::vazgec() {
    yazici_.abort();
    cizici_.reset();
}

bool Yazici::yazdir(QPrinter& yazici, const QList<Sayfa>& sayfalar) {
    if (sayfalar.isEmpty()) return false;
    yazici.setFullPage(true);
    SayfaliCizici cizici(yazici, yazici.resolution());
    for (Sayfa s : sayfalar) cizici.sayfa(std::move(s));
    return cizici.bitir();
}

} // namespace Bant
