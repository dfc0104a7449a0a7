#pragma once
#include "template/FiltreSatiri.h"

#include <QColor>
#include <QString>

class IzgaraModeli;

// The grey of Bitis cells that take no value.
inline const QColor kGriBitis = QColor(0xF1, 0xF1, 0xF1);
constexpr int kEnAzSatir = 28;

// The filter grid: a fixed header row and ten keyed columns.
void Filtre_Izgarasi_Kur(IzgaraModeli& grid);
// The output-target box: one cell, "Ekran" first, pick-only.
void Rapor_Yeri_Kur(IzgaraModeli& grid);
inline const QString kRaporYerleri = QStringLiteral("Ekran|Yazıcı|Excel|PDF|Text|Html");
