#pragma once
#include <QRect>
#include <QString>

class IzgaraModeli;

// The selection list of multiple-choice rows, as data: a grid without a
// header row, one row per option, the check in "Secim" ("True"/"False") and
// the option text in "Tip". These functions fill it from a filter row, keep
// the "Hepsi" rule while checks change, and store the checks back; the
// window that shows the list only calls them.
namespace SecimSutun {
inline const QString Secim = QStringLiteral("Secim");
inline const QString Tip = QStringLiteral("Tip");
} // namespace SecimSutun

void Secim_Listesi_Kur(IzgaraModeli& liste);

// Fills the list from row `satir`'s CoktanSecmeSecenek (options up to each
// ","; a final "," adds none, ",," gives an empty one) and marks its choice:
// all ticked when CoktanSecmeSecim is empty, else Secimi_Isaretle.
void Secenekleri_Listele(IzgaraModeli& liste, const IzgaraModeli& filtre, int satir);
// Ticks the first option equal to each stored choice (each ended by ",");
// a choice that matches no option, or an unterminated rest, is ignored.
void Secimi_Isaretle(IzgaraModeli& liste, const IzgaraModeli& filtre, int satir);
// Writes the ticked options back: CoktanSecmeSecim empty when "Hepsi" in row 0
// is ticked or nothing is, else each ticked option and ","; Baslangic
// "Secimli" or "Hepsi" accordingly.
void Secimi_Kaydet(const IzgaraModeli& liste, IzgaraModeli& filtre, int satir);

bool Secili_Mi(const IzgaraModeli& liste, int satir);
// Sets one check and keeps the rule: "Hepsi" in row 0 sets every option; any
// other option clears "Hepsi". A list whose row 0 is no "Hepsi" keeps row 0 as it is.
void Secimi_Ayarla(IzgaraModeli& liste, int satir, bool secili);
inline void Secimi_Cevir(IzgaraModeli& liste, int satir) { Secimi_Ayarla(liste, satir, !Secili_Mi(liste, satir)); }

// Where the open list stands, in twips of the form: `hucre` is the row's
// Baslangic cell, `satirYuksekligi` one list row. Height: rows + 50, at most
// 6500; width 3525, or 3675 with the scroll bar. Below the cell when it fits
// with 500 twips to spare above the form's bottom, else above it when it
// fits there, else shrunk to the larger room and placed there.
QRect Liste_Yeri(const QRect& hucre, int satirYuksekligi, int secenekSayisi, int formYuksekligi);
