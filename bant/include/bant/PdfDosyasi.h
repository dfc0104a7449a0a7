#pragma once
#include "bant/HedefDosya.h"
#include "bant/Sayfa.h"

#include <memory>

namespace Bant {

class PdfBelgesi;
class SayfaliCizici;

// Writes pages into a PDF file as they arrive, laid out at 1200 dpi so the
// type keeps its size; nothing but the current page is held. Each page is
// written on the report's own thread while its texts are still in the
// processor's cache: a writer thread of its own took a quarter more CPU
// (every page's texts moved between the cores and back to be freed) and was
// no faster on the clock. The file takes the target's place only at
// `bitir()`: a run that fails or is dropped leaves the target as it was.
class PdfDosyasi : public SayfaAlici {
public:
    // `yaratan`: the program named as the file's creator.
    PdfDosyasi(const QString& dosya, const QString& baslik, const QString& yaratan);
    ~PdfDosyasi() override; // without bitir(): the file is dropped
    void sayfa(Sayfa&& s) override;
    // Completes the file and puts it in place; false when it could not be
    // written (the target then stays as it was).
    bool bitir();
    int sayfaSayisi() const { return sayi_; }

private:
    struct Genel;
    void basla(const YaziTipi& yazi);

    std::unique_ptr<HedefDosya> hedef_;
    QString baslik_, yaratan_;
    // The file's writer, made with the first page (the face comes with it):
    // our own, or the general PDF painter for a face without TrueType outlines.
    std::unique_ptr<PdfBelgesi> pdf_;
    std::unique_ptr<Genel> genel_;
    bool basladi_ = false;
    bool hata_ = false;
    bool bitti_ = false;
    int sayi_ = 0;
};

} // namespace Bant
