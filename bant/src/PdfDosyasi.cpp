#include "bant/PdfDosyasi.h"
#include "bant/SayfaliCizici.h"
#include "PdfBelgesi.h"

#include <QPageSize>
#include <QPdfWriter>

namespace Bant {

namespace {
constexpr int kPdfCozunurluk = 1200; // dpi: at 300 an 8.5 pt face comes out 8.4 pt

// Hands the general PDF painter the target's bytes without letting it close
// the target: only HedefDosya decides when the file is done.
class Aktarici : public QIODevice {
public:
    explicit Aktarici(QIODevice& hedef) : hedef_(hedef) { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* veri, qint64 n) override { return hedef_.write(veri, n); }

private:
    QIODevice& hedef_;
};
} // namespace

// The general PDF painter and what it writes through.
struct PdfDosyasi::Genel {
    Genel(QIODevice& hedef, const QString& baslik, const QString& yaratan) : aktarici(hedef), yazici(&aktarici) {
        yazici.setResolution(kPdfCozunurluk);
        yazici.setPageSize(QPageSize(QPageSize::A4));
        yazici.setPageMargins(QMarginsF(0, 0, 0, 0));
        yazici.setTitle(baslik);
        yazici.setCreator(yaratan);
        cizici = std::make_unique<SayfaliCizici>(yazici, yazici.resolution());
    }
    Aktarici aktarici;
    QPdfWriter yazici;
    std::unique_ptr<SayfaliCizici> cizici; // made once the writer is set up
};

PdfDosyasi::PdfDosyasi(const QString& dosya, const QString& baslik, const QString& yaratan)
    : hedef_(std::make_unique<HedefDosya>(dosya)), baslik_(baslik), yaratan_(yaratan) {}

PdfDosyasi::~PdfDosyasi() {
    // Writers first: they may still hold the target's device.
    genel_.reset();
    pdf_.reset();
    if (!bitti_) hedef_->vazgec();
}

void PdfDosyasi::basla(const YaziTipi& yazi) {
    basladi_ = true;
    if (!hedef_->acik()) {
        hata_ = true;
        return;
    }
    pdf_ = std::make_unique<PdfBelgesi>(hedef_->aygit(), baslik_, yaratan_, yazi);
    if (pdf_->acik()) return;
    pdf_.reset();
    genel_ = std::make_unique<Genel>(hedef_->aygit(), baslik_, yaratan_);
}

void PdfDosyasi::sayfa(Sayfa&& s) {
    if (!basladi_) basla(s.yazi);
    if (hata_) return;
    ++sayi_;
    if (pdf_)
        pdf_->sayfaYaz(s);
    else
        genel_->cizici->sayfa(std::move(s));
}

bool PdfDosyasi::bitir() {
    if (bitti_) return !hata_;
    if (!basladi_) basla(YaziTipi{});
    bitti_ = true;
    if (!hata_ && pdf_ && !pdf_->kapat()) hata_ = true;
    if (!hata_ && genel_ && !genel_->cizici->bitir()) hata_ = true;
    pdf_.reset();
    genel_.reset();
    if (!hata_ && !hedef_->tamamla()) hata_ = true;
    if (hata_) hedef_->vazgec();
    return !hata_;
}

} // namespace Bant
