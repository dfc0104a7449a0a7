#pragma once
#include "platform/sistem/AyarDeposu.h"

#include <QString>

class QWidget;
class QLineEdit;

using AyarDeposu::Kok;

// Turkish upper case: "i" becomes "İ", "ı" becomes "I", the rest by the
// ordinary rule.
QString Buyuk_Harf(const QString& metin);

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

// String values of the settings store; a missing value reads as empty.
QString Kayit_Oku(Kok kok, const QString& anahtar, const QString& ad);
// Stored as single-byte text of the code page, as the registry call does.
void Kayit_Yaz(Kok kok, const QString& anahtar, const QString& ad, const QString& metin);

// The password scrambler of the suite, over code page 1254.
QString Sifrele(const QString& metin);
