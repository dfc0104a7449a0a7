#pragma once
#include <QHash>
#include <QString>

// The GROUP BY of the statements the program writes, arranged so that the
// embedded store streams rows instead of sorting them all first. Works on
// SQLite text; the statement sent to SQL Server never passes here.
namespace SqliteGruplama {

// A column no two rows share, keyed "table.column" (lower case).
struct Anahtar {
    QString harman;         // the order (upper case) its values are distinct in; empty for a number
    bool bosOlamaz = false; // no row holds NULL in it
};
using Anahtarlar = QHash<QString, Anahtar>;
// The declared order of the store's text columns, "table.column" (lower case) -> upper-case name.
using Harmanlar = QHash<QString, QString>;

// When every ORDER BY term of the outer statement is a GROUP BY term, the
// GROUP BY lists those terms first and the ORDER BY goes on with the rest of
// the grouping, so that the store sorts once, and rows come as soon as their
// group is complete. The same rows, in the same order but for ties, which
// then come by the grouping. Any other statement stays as it is.
QString siralamayiBirlestir(const QString& sql);

// Drops a GROUP BY that cannot merge two rows: nothing is aggregated, the
// grouping holds a key of the first table that is never NULL, and every other
// table is joined with an equality on a key of its own, compared in the order
// the key is distinct in. The ORDER BY then goes on with the grouping up to
// that key, so rows come in the order they came in before. Any other
// statement stays as it is.
QString gereksizGruplamayiKaldir(const QString& sql, const Anahtarlar& anahtarlar, const Harmanlar& harmanlar);

} // namespace SqliteGruplama
