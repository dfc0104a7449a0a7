#pragma once
#include "platform/rapor/HedefDosya.h"
#include "platform/rapor/Sayfa.h"

class QDataStream;

namespace Bant {

struct MetinSecenekleri {
    QString alanAyiraci;  // between the texts of a line; empty: fixed columns
    QString sayfaAyiraci; // a line of its own between pages
    bool bosSatirlariGizle = false;
    bool evrenselKod = false; // UTF-8 with a byte-order mark, else Windows-1254
};

// What the text export keeps of a page, whatever its options: the lines top
// to bottom, each with the empty lines that stand for the gap above it, and
// each text with its place in twips.
struct MetinHucresi {
    QString metin;
    int sol = 0;
    int genislik = 0;
    Qt::Alignment hiza = Qt::AlignLeft;
};
struct MetinSatiri {
    int bosluk = 0; // empty lines before it
    QList<MetinHucresi> hucreler;
};
struct MetinSayfasi {
    int solKenar = 0;
    QList<MetinSatiri> satirlar;
};
MetinSayfasi Metin_Sayfasi(const Sayfa& s);
QDataStream& operator<<(QDataStream& d, const MetinSayfasi& s);
QDataStream& operator>>(QDataStream& d, MetinSayfasi& s);

// The report as plain text, written as the pages arrive: each line of a page
// one text line (CR LF), its texts joined by the field separator or, without
// one, set in fixed columns from their positions so that a monospace editor
// shows the page's layout. Vertical gaps become empty lines. The file takes
// the target's place only at `bitir()`.
class MetinYazici : public SayfaAlici {
public:
    MetinYazici(const QString& dosya, MetinSecenekleri secenekler);
    void sayfa(Sayfa&& s) override { yaz(Metin_Sayfasi(s)); }
    void yaz(const MetinSayfasi& s);
    bool bitir();
    int sayfaSayisi() const { return sayi_; }
    // Twips per character in fixed columns.
    static constexpr int kKarakter = 90;

private:
    void satirYaz(const QString& satir);

    HedefDosya hedef_;
    MetinSecenekleri s_;
    int sayi_ = 0;
    bool hata_ = false;
};

// A line's texts in fixed columns (see above), from the page's left edge `sol`.
QString Sabit_Sutunlu(const QList<MetinHucresi>& hucreler, int sol);

} // namespace Bant
