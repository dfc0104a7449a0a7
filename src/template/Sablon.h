#pragma once
#include <QString>

class IzgaraModeli;

// The template's two statements: the base statement and the grouping clause.
struct SablonSql {
    QString TemelSQL;
    QString GroupSQL;
};

// The report template Master.mtr: the base statement, the grouping clause and
// one filter line per filter row.
namespace SablonMesaji {
QString temelSql();
QString filtre();
} // namespace SablonMesaji

// "Master.mtr" in the program's folder.
QString Master_Yolu();

// Reads the template at `yol` into `sql` and the grid's rows. Returns the
// empty text when all went well, else the message to show.
QString Master_Oku(IzgaraModeli& grid, SablonSql& sql, const QString& yol);
// The same from the file's bytes.
QString Sablon_Coz(IzgaraModeli& grid, SablonSql& sql, const QByteArray& baytlar);

// Appends one row from a filter line of ";"-terminated fields; false (and no
// row) when text follows the last ";" or the line has too many fields.
bool Filtreye_Ekle(IzgaraModeli& grid, const QString& satir);

// Blanks (spaces only) removed at both ends, as the reader trims filter lines.
QString Bosluk_Kirp(const QString& metin);

// The file's text: UTF-8 when it is valid UTF-8, else code page 1254.
QString Sablon_Metni(const QByteArray& baytlar);
