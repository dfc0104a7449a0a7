#pragma once
class QWidget;
class QLineEdit;

// Key codes of the keys that move the focus between controls.
namespace TusKodu {
constexpr int Enter = 13, Sol = 37, Yukari = 38, Sag = 39, Asagi = 40;
}

// Moves the focus as the control's "Tag" property says: four fields
// "left;up;right;down", each a "|"-separated list of control names, a name
// optionally followed by "(index)" for a member of a control array (the
// widget's "Index" property). The key is not consumed.
void Tusla_Gezin(QWidget* pencere, int tusKodu, QWidget* kontrol, bool metinKutusu);

// Caret to the start and the whole text selected.
void Metni_Sec(QLineEdit* kutu);
