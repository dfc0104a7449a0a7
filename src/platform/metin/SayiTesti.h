#pragma once
#include <QString>

// The system's numeric test under the regional settings: blanks around, a
// sign in front or behind, digits with thousands separators in the whole
// part, one decimal separator, an optional exponent. "1.250,75" and "-3"
// are numbers under Turkish settings; "12a", "," and "" are not.
namespace SayiTesti {

bool sayiMi(const QString& metin, const QString& ondalik, const QString& binlik);

} // namespace SayiTesti
