#pragma once
#include <QString>

// "#,##0" followed by "." and n zeros for n decimal places (n >= 1).
QString Bicim_Olustur(int basamak);

// Reads the company's row of Defination_DB.dbo.sysfrmlng into the run-wide
// record and builds the five number formats. Either every field is set, or
// the program ends after its message (a missing column offers the update
// program first).
void Firma_Ayarlarini_Oku();

// The update program beside the report program, or the empty text.
QString Guncelleme_Programi();
