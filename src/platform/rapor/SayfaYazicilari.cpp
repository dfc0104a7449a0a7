#include "platform/rapor/SayfaYazicilari.h"

#include <QDir>
#include <QImage>
#include <QPageSize>

PdfYazici::PdfYazici(const QString& dosya, const QString& baslik) : yazici_(dosya) {
    yazici_.setResolution(1200);
    yazici_.setPageSize(QPageSize(QPageSize::A4));
    yazici_.setPageMargins(QMarginsF(0, 0, 0, 0));
    yazici_.setTitle(baslik);
    yazici_.setCreator(QStringLiteral("Fatura Listesi"));
}

PdfYazici::~PdfYazici() { bitir(); }

void PdfYazici::sayfa(Sayfa&& s) {
    if (hata_) return;
    if (!ressam_) {
        ressam_ = std::make_unique<QPainter>();
        if (!ressam_->begin(&yazici_)) {
            hata_ = true;
            return;
        }
        SayfaCizici::olcekle(*ressam_, yazici_.resolution());
    } else {
        yazici_.newPage();
    }
    cizici_.ciz(*ressam_, s);
    ++sayi_;
}

bool PdfYazici::bitir() {
    if (ressam_ && ressam_->isActive()) ressam_->end();
    return !hata_;
}

void PngYazici::sayfa(Sayfa&& s) {
    const double olcek = dpi_ / 1440.0;
    QImage resim(qRound(s.genislik * olcek), qRound(s.yukseklik * olcek), QImage::Format_RGB32);
    resim.setDotsPerMeterX(qRound(dpi_ / 0.0254));
    resim.setDotsPerMeterY(qRound(dpi_ / 0.0254));
    resim.fill(Qt::white);
    QPainter p(&resim);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    SayfaCizici::olcekle(p, dpi_);
    cizici_.ciz(p, s);
    p.end();
    ++sayi_;
    if (!resim.save(QDir(klasor_).filePath(QStringLiteral("sayfa-%1.png").arg(s.no, 3, 10, QLatin1Char('0'))))) hata_ = true;
}

#include <QPrinter>

void YaziciCizici::sayfa(Sayfa&& s) {
    if (hata_) return;
    if (!ressam_) {
        yazici_.setFullPage(true);
        ressam_ = std::make_unique<QPainter>();
        if (!ressam_->begin(&yazici_)) {
            hata_ = true;
            return;
        }
        SayfaCizici::olcekle(*ressam_, yazici_.resolution());
    } else {
        yazici_.newPage();
    }
    cizici_.ciz(*ressam_, s);
}

bool YaziciCizici::bitir() {
    if (ressam_ && ressam_->isActive()) ressam_->end();
    return !hata_;
}
