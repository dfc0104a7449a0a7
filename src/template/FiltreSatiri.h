#pragma once
#include <QString>

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
