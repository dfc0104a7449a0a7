#pragma once
#include "platform/veritabani/SqliteGruplama.h"

#include <QHash>
#include <QString>

// Rewrites the T-SQL that the program itself writes into SQLite's dialect for
// the embedded store. Not a general T-SQL emulator: it knows three-part and
// "dbo." names, the outer SELECT TOP n, ISNULL, CONVERT, DATEADD/DATEDIFF, RTRIM/LTRIM, N'' literals
// and 'MM/DD/YYYY' date literals; what it does not know passes through
// unchanged. Text made by RTRIM, LTRIM and CONVERT takes the store's text
// collation (named RTRIM, as the store's text columns declare it) and numbers
// become text through tsql_metin, both registered by the connection.
namespace TsqlCevirici {

// Declared SQL Server types of the store's columns, upper case, keyed by
// "table.column" and by the bare column name (lower case); a bare name that
// tables declare differently maps to the empty text.
using AlanTurleri = QHash<QString, QString>;

// What the translation knows of the store it writes for.
struct Sema {
    AlanTurleri turler;
    SqliteGruplama::Anahtarlar anahtarlar;
    SqliteGruplama::Harmanlar harmanlar;
};

// Throws VeritabaniHatasi with the server's conversion message for a
// 'M/D/YYYY'-like literal (digits, blanks and at least two slashes) that is
// no date: the server reads such a literal as a date where the program
// writes one, and fails.
// With the column types, a division whose operand is a MONEY column divides
// as the server does: never as whole numbers, and money by a whole number or
// by money keeps four decimals. With the keys, a grouping that cannot merge
// rows is dropped; else grouping and order share one sort (SqliteGruplama).
QString sqliteye(const QString& tsql, const Sema& sema = {});

bool tarihDenemesi(const QString& icerik);

// A FLOAT or REAL value as the server writes it as text (RTRIM, CONVERT to
// varchar): 8 -> "8", 8.5 -> "8.5", 1234567 -> "1.23457e+006".
QString ondalikMetni(double d);
QString tarihDonusumHatasi();

// The store keeps dates as "YYYY-MM-DD HH:MM:SS" text; a 'MM/DD/YYYY' literal
// becomes that form so that it compares with stored dates as SQL Server does.
// Returns the empty text when the literal is not such a date.
QString tarihLiterali(const QString& icerik);

} // namespace TsqlCevirici
