#pragma once
#include <QColor>
#include <QString>

class IzgaraModeli;

// Column keys of the filter grid, in the order template lines fill them.
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

// The grey of Bitis cells that take no value.
inline const QColor kGriBitis = QColor(0xF1, 0xF1, 0xF1);
constexpr int kEnAzSatir = 28;

// The filter grid: a fixed header row and ten keyed columns.
void Filtre_Izgarasi_Kur(IzgaraModeli& grid);
// The output-target box: one cell, "Ekran" first, pick-only.
void Rapor_Yeri_Kur(IzgaraModeli& grid);
inline const QString kRaporYerleri = QStringLiteral("Ekran|Yazıcı|Excel|PDF|Text|Html");
