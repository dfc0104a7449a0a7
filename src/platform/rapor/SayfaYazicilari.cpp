#include "platform/rapor/SayfaYazicilari.h"
#include "platform/rapor/PdfBelgesi.h"

#include <QDir>
#include <QImage>
#include <QPageSize>
#include <QPdfWriter>

namespace {
constexpr size_t kBekleyenSayfa = 8;
}

PdfYazici::PdfYazici(const QString& dosya, const QString& baslik) : is_([this, dosya, baslik] { calis(dosya, baslik); }) {}

PdfYazici::~PdfYazici() { bitir(); }

void PdfYazici::sayfa(Sayfa&& s) {
    std::unique_lock<std::mutex> k(kilit_);
    kosul_.wait(k, [this] { return kuyruk_.size() < kBekleyenSayfa || hata_; });
    if (hata_) return;
    kuyruk_.push_back(std::move(s));
    ++sayi_;
    kosul_.notify_all();
}

bool PdfYazici::bitir() {
    {
        std::lock_guard<std::mutex> k(kilit_);
        son_ = true;
    }
    kosul_.notify_all();
    if (is_.joinable()) is_.join();
    return !hata_;
}

// The next page of the queue, or false when the report has ended.
bool PdfYazici::al(Sayfa& s) {
    std::unique_lock<std::mutex> k(kilit_);
    kosul_.wait(k, [this] { return !kuyruk_.empty() || son_; });
    if (kuyruk_.empty()) return false;
    s = std::move(kuyruk_.front());
    kuyruk_.pop_front();
    kosul_.notify_all();
    return true;
}

void PdfYazici::hataVer() {
    std::lock_guard<std::mutex> k(kilit_);
    hata_ = true;
    kuyruk_.clear();
    kosul_.notify_all();
}

void PdfYazici::calis(QString dosya, QString baslik) {
    Sayfa s;
    PdfBelgesi pdf(dosya, baslik);
    if (pdf.acik()) {
        while (al(s)) pdf.sayfaYaz(s);
        if (!pdf.kapat()) hataVer();
        return;
    }
    // Without the face's tables the general PDF painter writes the file.
    QPdfWriter yazici(dosya);
    yazici.setResolution(1200);
    yazici.setPageSize(QPageSize(QPageSize::A4));
    yazici.setPageMargins(QMarginsF(0, 0, 0, 0));
    yazici.setTitle(baslik);
    yazici.setCreator(QStringLiteral("Fatura Listesi"));
    SayfaCizici cizici;
    QPainter ressam;
    bool ilk = true;
    while (al(s)) {
        if (ilk) {
            if (!ressam.begin(&yazici)) {
                hataVer();
                return;
            }
            SayfaCizici::olcekle(ressam, yazici.resolution());
            ilk = false;
        } else {
            yazici.newPage();
        }
        cizici.ciz(ressam, s);
    }
    if (ressam.isActive()) ressam.end();
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
