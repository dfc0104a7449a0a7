#pragma once
#include "platform/rapor/HedefDosya.h"
#include "platform/rapor/SayfaCizici.h"

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

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

// Writes pages into a PDF file as they arrive, laid out at 1200 dpi so the
// type keeps its size. Drawing and compressing run on a thread of their own
// while the report lays out the next pages; at most a few pages wait, so
// memory does not grow with the report. The file takes the target's place
// only at `bitir()`: a run that fails or is dropped leaves the target as it was.
class PdfYazici : public SayfaAlici {
public:
    // `yaratan`: the program named as the file's creator.
    PdfYazici(const QString& dosya, const QString& baslik, const QString& yaratan);
    ~PdfYazici() override; // without bitir(): the file is dropped
    void sayfa(Sayfa&& s) override;
    // Waits for the last page and puts the complete file in place; false
    // when it could not be written (the target then stays as it was).
    bool bitir();
    int sayfaSayisi() const { return sayi_; }

private:
    void calis(QString baslik, QString yaratan);
    void bekle();
    bool al(std::deque<Sayfa>& sayfalar);
    void hataVer();

    std::mutex kilit_;
    std::condition_variable kosul_;
    std::deque<Sayfa> kuyruk_;
    bool son_ = false;
    bool hata_ = false;
    int sayi_ = 0;
    std::unique_ptr<HedefDosya> hedef_;
    std::thread is_;
};

// One PNG per page ("sayfa-001.png" ...) at the given resolution.
class PngYazici : public SayfaAlici {
public:
    PngYazici(const QString& klasor, int dpi = 150) : klasor_(klasor), dpi_(dpi) {}
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

// Keeps every page, for the preview window and the tests.
class SayfaDeposu : public SayfaAlici {
public:
    void sayfa(Sayfa&& s) override { sayfalar.append(std::move(s)); }
    QList<Sayfa> sayfalar;
};

// Hands each page to several receivers.
class CokluAlici : public SayfaAlici {
public:
    void ekle(SayfaAlici* a) { alicilar_ << a; }
    void sayfa(Sayfa&& s) override {
        for (qsizetype i = 0; i + 1 < alicilar_.size(); ++i) alicilar_[i]->sayfa(Sayfa(s));
        if (!alicilar_.isEmpty()) alicilar_.last()->sayfa(std::move(s));
    }

private:
    QList<SayfaAlici*> alicilar_;
};

} // namespace Bant
