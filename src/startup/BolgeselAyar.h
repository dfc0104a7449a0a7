#pragma once
#include "startup/Oturum.h"

#include <QDate>
#include <QString>

// Checks that the regional settings use the decimal comma, the thousands
// point and "dd.MM.yyyy" dates; with the user's consent writes them. Ends
// the program when the user refuses or the system needs a restart. Gives the
// separators the settings hold afterwards.
Ayraclar Bolgesel_Ayar_Kontrol();

// The program's own formatting follows the stored regional settings.
QString Kisa_Tarih_Bicimi();            // the stored short date pattern
QString Kisa_Tarih(const QDate& tarih); // a date in that pattern
QString Uzun_Tarih_Bicimi();            // the stored long date pattern
// A date in a long pattern (the stored one by default), with Turkish month and day names.
QString Uzun_Tarih(const QDate& tarih, const QString& bicim = Uzun_Tarih_Bicimi());
