#pragma once
#include "bant/HedefDosya.h"
#include "bant/Sayfa.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

namespace Bant {

// Writes pages into a PDF file as they arrive, laid out at 1200 dpi so the
// type keeps its size. Drawing and compressing run on a thread of their own
// while the report lays out the next pages; at most a few pages wait, so
// memory does not grow with the report. The file takes the target's place
// only at `bitir()`: a run that fails or is dropped leaves the target as it was.
class PdfDosyasi : public SayfaAlici {
public:
    // `yaratan`: the program named as the file's creator.
    PdfDosyasi(const QString& dosya, const QString& baslik, const QString& yaratan);
    ~PdfDosyasi() override; // without bitir(): the file is dropped
    void sayfa(Sayfa&& s) override;
    // Waits for the last page and puts the complete file in place; false
    // when it could not be written (the target then stays as it was).
    bool bitir();
    int sayfaSayisi() const { return sayi_; }

private:
    void calis(QString baslik, QString yaratan);
    void bekle();
    bool al(std::deque<Sayfa>& sayfalar);
    void geriVer(std::deque<Sayfa>& sayfalar);
    void hataVer();

    std::mutex kilit_;
    std::condition_variable kosul_;
    std::deque<Sayfa> kuyruk_;
    std::deque<Sayfa> yazilan_; // written, to be freed by the report's thread
    bool son_ = false;
    bool hata_ = false;
    int sayi_ = 0;
    std::unique_ptr<HedefDosya> hedef_;
    std::thread is_;
};

} // namespace Bant
