#pragma once
#include "bant/HedefDosya.h"
#include "bant/Sayfa.h"

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
    Bolum::Tur bolum = Bolum::Tur::Detail;
    bool ic = false;     // printed by a sub-report (an invoice's lines)
    bool baslik = false; // the captions of a table: its columns
    QList<MetinHucresi> hucreler;
};
struct MetinSayfasi {
    int solKenar = 0;
    QList<MetinSatiri> satirlar;
};
MetinSayfasi Metin_Sayfasi(const Sayfa& s);
QDataStream& operator<<(QDataStream& d, const MetinSayfasi& s);
QDataStream& operator>>(QDataStream& d, MetinSayfasi& s);

// The columns of a table in characters, set once from the first page that
// shows its caption row and kept for the whole file: each column is as wide
// as the room up to the next caption, or as its caption or the widest text
// under it on that page when they need more. A column whose values are
// right-aligned (amounts) is right-aligned, its caption included.
class MetinIzgarasi {
public:
    MetinIzgarasi() = default;
    // `satirlar`: the page's lines that stand in these columns.
    MetinIzgarasi(const MetinSatiri& basliklar, const QList<const MetinSatiri*>& satirlar, int solKenar);
    bool bos() const { return kolonlar_.isEmpty(); }
    // The column the text overlaps most, else the nearest one.
    int kolon(const MetinHucresi& h) const;
    // Left-aligned texts start at their column, an invoice's fields cut to its
    // width; right-aligned ones end at its right edge and are never cut.
    QString sabit(const MetinSatiri& satir) const;
    QStringList alanlar(const MetinSatiri& satir) const;

private:
    struct Kolon {
        int bas, genislik; // characters
        bool sag_ = false; // right-aligned
    };
    QList<QPair<int, int>> araliklar_; // the captions' fields, twips
    QList<Kolon> kolonlar_;
};

// The report as plain text, written as the pages arrive: each line of a page
// one text line (CR LF). A table's lines (the invoices and their totals, an
// invoice's lines) stand in the columns of their own caption row: without a
// field separator each field starts at its caption's column and is cut or
// padded to the column's width, a right-aligned amount ending at its
// caption's right edge (never cut); with a separator one field per caption,
// empty ones empty, quoted as CSV where the text needs it. Other lines (the
// page header, a group's title) keep their places. Vertical gaps become empty
// lines. The file takes the target's place only at `bitir()`.
class MetinDosyasi : public SayfaAlici {
public:
    MetinDosyasi(const QString& dosya, MetinSecenekleri secenekler);
    void sayfa(Sayfa&& s) override { yaz(Metin_Sayfasi(s)); }
    void yaz(const MetinSayfasi& s);
    bool bitir();
    int sayfaSayisi() const { return sayi_; }
    // Characters Windows-1254 cannot hold, written as "?".
    int yerineKonan() const { return yerineKonan_; }
    // Twips per character in fixed columns.
    static constexpr int kKarakter = 90;

private:
    void satirYaz(const QString& satir);

    HedefDosya hedef_;
    MetinSecenekleri s_;
    MetinIzgarasi izgara_;   // the invoices' columns, from the page header's captions
    MetinIzgarasi icIzgara_; // the invoice lines' columns
    int sayi_ = 0;
    int yerineKonan_ = 0;
    bool hata_ = false;
};

// A line's texts at their places, from the page's left edge `sol`.
QString Sabit_Kolonlu(const QList<MetinHucresi>& hucreler, int sol);

// A field as CSV writes it: quoted, with doubled quotes, when it holds the
// separator, a quote or a line break.
QString Csv_Alani(const QString& alan, const QString& ayirac);

} // namespace Bant
