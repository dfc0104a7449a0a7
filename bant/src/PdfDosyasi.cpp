#include "bant/PdfDosyasi.h"
#include "bant/SayfaliCizici.h"
#include "PdfBelgesi.h"

#include <QPageSize>
#include <QPdfWriter>
#include <functional>
#include <iterator>

namespace Bant {

namespace {
constexpr size_t kBekleyenSayfa = 8;
// The writer wakes for a few pages at a time and takes them all: a wake-up
// per page cost two system calls and a thread switch each.
constexpr size_t kUyandiran = kBekleyenSayfa / 2;
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

PdfDosyasi::PdfDosyasi(const QString& dosya, const QString& baslik, const QString& yaratan)
    : hedef_(std::make_unique<HedefDosya>(dosya)), is_([this, baslik, yaratan] { calis(baslik, yaratan); }) {}

PdfDosyasi::~PdfDosyasi() {
    bekle();
    hedef_->vazgec();
}

void PdfDosyasi::sayfa(Sayfa&& s) {
    std::deque<Sayfa> yazilan;
    std::unique_lock<std::mutex> k(kilit_);
    kosul_.wait(k, [this] { return kuyruk_.size() < kBekleyenSayfa || hata_; });
    if (hata_) return;
    kuyruk_.push_back(std::move(s));
    ++sayi_;
    if (kuyruk_.size() == kUyandiran) kosul_.notify_all();
    yazilan.swap(yazilan_);
    k.unlock();
    // Freed here, on the thread that made them (see calis()).
}

void PdfDosyasi::bekle() {
    {
        std::lock_guard<std::mutex> k(kilit_);
        son_ = true;
    }
    kosul_.notify_all();
    if (is_.joinable()) is_.join();
}

bool PdfDosyasi::bitir() {
    const bool yazildi = !is_.joinable();
    bekle();
    if (!yazildi && !hata_ && !hedef_->tamamla()) hata_ = true;
    return !hata_;
}

// The pages waiting, in order, or false when the report has ended.
bool PdfDosyasi::al(std::deque<Sayfa>& sayfalar) {
    std::unique_lock<std::mutex> k(kilit_);
    kosul_.wait(k, [this] { return kuyruk_.size() >= kUyandiran || son_; });
    if (kuyruk_.empty()) return false;
    const bool doluydu = kuyruk_.size() >= kBekleyenSayfa;
    sayfalar.swap(kuyruk_);
    if (doluydu) kosul_.notify_all(); // the report may be waiting for room
    return true;
}

// Written pages go back to the report's thread to be freed: their texts were
// allocated there, and freeing them here cost a lock on the other thread's
// heap and a shared counter moved between the cores for every string.
void PdfDosyasi::geriVer(std::deque<Sayfa>& sayfalar) {
    std::lock_guard<std::mutex> k(kilit_);
    if (yazilan_.empty())
        yazilan_.swap(sayfalar);
    else
        std::move(sayfalar.begin(), sayfalar.end(), std::back_inserter(yazilan_));
    sayfalar.clear();
}

void PdfDosyasi::hataVer() {
    std::lock_guard<std::mutex> k(kilit_);
    hata_ = true;
    kuyruk_.clear();
    kosul_.notify_all();
}

void PdfDosyasi::calis(QString baslik, QString yaratan) {
    // The face comes with the pages: the file is begun with the first one.
    std::deque<Sayfa> sayfalar;
    const bool sayfaVar = al(sayfalar);
    if (!hedef_->acik()) {
        hataVer();
        return;
    }
    auto hepsi = [&](const std::function<void(Sayfa&)>& yaz) {
        if (!sayfaVar) return;
        do {
            for (Sayfa& s : sayfalar) yaz(s);
            geriVer(sayfalar);
        } while (al(sayfalar));
    };
    PdfBelgesi pdf(hedef_->aygit(), baslik, yaratan, sayfaVar ? sayfalar.front().yazi : YaziTipi{});
    if (pdf.acik()) {
        hepsi([&pdf](Sayfa& s) { pdf.sayfaYaz(s); });
        if (!pdf.kapat()) hataVer();
        return;
    }
    // Without the face's tables the general PDF painter writes the file.
    Aktarici aktarici(hedef_->aygit());
    QPdfWriter yazici(&aktarici);
    yazici.setResolution(kPdfCozunurluk);
    yazici.setPageSize(QPageSize(QPageSize::A4));
    yazici.setPageMargins(QMarginsF(0, 0, 0, 0));
    yazici.setTitle(baslik);
    yazici.setCreator(yaratan);
    SayfaliCizici cizici(yazici, yazici.resolution());
    hepsi([&cizici](Sayfa& s) { cizici.sayfa(std::move(s)); });
    if (!cizici.bitir()) hataVer();
}

} // namespace Bant
