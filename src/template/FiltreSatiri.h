#pragma once
#include <QString>
#include <optional>

class IzgaraModeli;

// The vocabulary of a filter row, as the template defines it: the grid's
// column keys, in the order a filter line fills them, and the row types of
// the line's "Tip" field.
namespace Sutun {
inline const QString FiltreLbl = QStringLiteral("FiltreLbl");
inline const QString Baslangic = QStringLiteral("Baslangic");
inline const QString Bitis = QStringLiteral("Bitis");
inline const QString Ayirac = QStringLiteral("Ayirac");
inline const QString Alan = QStringLiteral("Alan");
inline const QString Secenek = QStringLiteral("Secenek");
inline const QString Tip = QStringLiteral("Tip");
inline const QString Girsin = QStringLiteral("Girsin");
inline const QString CoktanSecmeSecenek = QStringLiteral("CoktanSecmeSecenek");
inline const QString CoktanSecmeSecim = QStringLiteral("CoktanSecmeSecim");
} // namespace Sutun

enum class SatirTipi {
    Bilinmeyen, // any other text: the row takes no part in the statement
    GR,         // value range
    TR,         // date range
    BTR,        // up-to date
    TK,         // one value, pick or type
    OZ,         // an option
    CS,         // multiple choice
    BL,         // yes/no: each group on a page of its own
    DT,         // yes/no: invoice lines
};

// The type a "Tip" text names, exactly as written (case and blanks count).
SatirTipi Satir_Tipi(const QString& tip);

// Ranges, whose end cell takes a value: date and value ranges.
inline bool Aralik_Mi(SatirTipi t) { return t == SatirTipi::TR || t == SatirTipi::GR; }

// One filter row as plain values: its ten cells and whether the grid hides it.
struct FiltreSatiri {
    QString FiltreLbl, Baslangic, Bitis, Ayirac, Alan, Secenek, Tip, Girsin, CoktanSecmeSecenek, CoktanSecmeSecim;
    bool gizli = false;

    static constexpr int kHucreSayisi = 10;

    // Calls f(key, cell) for the ten cells in the order a filter line fills them.
    template <class F> void herHucre(F&& f) { hucreler(*this, f); }
    template <class F> void herHucre(F&& f) const { hucreler(*this, f); }
    bool operator==(const FiltreSatiri&) const = default;

private:
    template <class S, class F> static void hucreler(S& s, F& f) {
        f(Sutun::FiltreLbl, s.FiltreLbl);
        f(Sutun::Baslangic, s.Baslangic);
        f(Sutun::Bitis, s.Bitis);
        f(Sutun::Ayirac, s.Ayirac);
        f(Sutun::Alan, s.Alan);
        f(Sutun::Secenek, s.Secenek);
        f(Sutun::Tip, s.Tip);
        f(Sutun::Girsin, s.Girsin);
        f(Sutun::CoktanSecmeSecenek, s.CoktanSecmeSecenek);
        f(Sutun::CoktanSecmeSecim, s.CoktanSecmeSecim);
    }
};

// The row a filter line of ";"-terminated fields gives, the fields in cell
// order; none when text follows the last ";" or the line has too many fields.
std::optional<FiltreSatiri> Filtre_Satiri_Ayir(const QString& satir);

// Row `satir` of the filter grid as values, and back (only changed cells are written).
FiltreSatiri Filtre_Satiri_Oku(const IzgaraModeli& grid, int satir);
void Filtre_Satiri_Yaz(IzgaraModeli& grid, int satir, const FiltreSatiri& deger);
