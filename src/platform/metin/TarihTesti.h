#pragma once
#include <QDate>
#include <QString>
#include <optional>

// The system's date test under Turkish regional settings: day first, then
// month, then an optional year, separated by "/", "." or "-". A missing year
// is the current one; a two-digit year means 1930-2029. Dates that do not
// exist (31/02, 29/02 of a common year) are refused.
namespace TarihTesti {

std::optional<QDate> tarih(const QString& metin, const QDate& bugun = QDate::currentDate());
inline bool tarihMi(const QString& metin) { return tarih(metin).has_value(); }

} // namespace TarihTesti
