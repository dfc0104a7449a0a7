#pragma once
#include "bant/HedefDosya.h"
#include "bant/Satirlar.h"

namespace Bant {

// The report as one HTML5 page in UTF-8, written as the pages arrive: each
// report page a section with its page header, a table of its lines under the
// column captions (amounts right-aligned; a sub-report's lines as a table of
// their own under their row) and its page footer. Print styles give the
// report's paper and margins and start each section on a new sheet, where
// the report breaks its pages. The file takes
// the target's place only at `bitir()`.
class HtmlDosyasi : public SayfaAlici {
public:
    HtmlDosyasi(const QString& dosya, const QString& baslik);
    void sayfa(Sayfa&& s) override;
    bool bitir();
    int sayfaSayisi() const { return sayi_; }

private:
    void satirlar(const QList<Satir>& satirlar, qsizetype bas, qsizetype son);
    void icTablo(const QList<Satir>& satirlar);
    void yaz(const QString& metin);
    // The head, with the first page's paper and margins for printing.
    void bas(const Sayfa* ilk);

    HedefDosya hedef_;
    QString baslik_;
    Kolonlar kolonlar_;
    int sayi_ = 0;
    bool hata_ = false;
};

} // namespace Bant
