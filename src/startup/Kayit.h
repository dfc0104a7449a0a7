#pragma once
#include "platform/sistem/AyarDeposu.h"

#include <QString>

using AyarDeposu::Kok;

// String values of the settings store; a missing value reads as empty.
QString Kayit_Oku(Kok kok, const QString& anahtar, const QString& ad);
// Stored as single-byte text of the code page, as the registry call does.
void Kayit_Yaz(Kok kok, const QString& anahtar, const QString& ad, const QString& metin);
