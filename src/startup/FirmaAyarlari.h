#pragma once
#include "startup/Oturum.h"

#include <QString>

// "#,##0" followed by "." and n zeros for n decimal places (n >= 1).
QString Bicim_Olustur(int basamak);

// Reads the company's row of Defination_DB.dbo.sysfrmlng and builds the
// five number formats. Either every setting is read, or the program ends
// after its message (a missing column offers the update program first).
FirmaBilgisi Firma_Ayarlarini_Oku(Baglanti& baglanti, const QString& veriTabani);

// The update program beside the report program, or the empty text.
QString Guncelleme_Programi();
