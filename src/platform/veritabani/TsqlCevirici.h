#pragma once
#include <QString>

// Rewrites the T-SQL that the program itself writes into SQLite's dialect for
// the embedded store. Not a general T-SQL emulator: it knows three-part and
// "dbo." names, ISNULL, CONVERT, DATEADD/DATEDIFF, N'' literals and
// 'MM/DD/YYYY' date literals; what it does not know passes through unchanged.
namespace TsqlCevirici {

// Throws VeritabaniHatasi with the server's conversion message for a
// 'M/D/YYYY'-like literal (digits, blanks and at least two slashes) that is
// no date: the server reads such a literal as a date where the program
// writes one, and fails.
QString sqliteye(const QString& tsql);

bool tarihDenemesi(const QString& icerik);
QString tarihDonusumHatasi();

// The store keeps dates as "YYYY-MM-DD HH:MM:SS" text; a 'MM/DD/YYYY' literal
// becomes that form so that it compares with stored dates as SQL Server does.
// Returns the empty text when the literal is not such a date.
QString tarihLiterali(const QString& icerik);

} // namespace TsqlCevirici
