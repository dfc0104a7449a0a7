#pragma once
#include "platform/rapor/HedefDosya.h"
#include "platform/rapor/Sayfa.h"

namespace Bant {

struct MetinSecenekleri {
    QString alanAyiraci;  // between the texts of a line; empty: fixed columns
    QString sayfaAyiraci; // a line of its own between pages
    bool bosSatirlariGizle = false;
    bool evrenselKod = false; // UTF-8 with a byte-order mark, else Windows-1254
};

// The report as plain text, written as the pages arrive: each line of a page
// one text line (CR LF), its texts joined by the field separator or, without
// one, set in fixed columns from their positions so that a monospace editor
// shows the page's layout. Vertical gaps become empty lines. The file takes
// the target's place only at `bitir()`.
class MetinYazici : public SayfaAlici {
public:
    MetinYazici(const QString& dosya, MetinSecenekleri secenekler);
    void sayfa(Sayfa&& s) override;
    bool bitir();
    int sayfaSayisi() const { return sayi_; }
    // Twips per character in fixed columns.
    static constexpr int kKarakter = 90;

private:
    void yaz(const QString& satir);

    HedefDosya hedef_;
    MetinSecenekleri s_;
    int sayi_ = 0;
    bool hata_ = false;
};

// A line's texts in fixed columns (see above), from the page's left edge `sol`.
QString Sabit_Sutunlu(const QList<const SayfaOgesi*>& hucreler, int sol);

} // namespace Bant
