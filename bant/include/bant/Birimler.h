#pragma once
#include <QtGlobal>

// The report's unit is the twip, 1/1440 inch: every position and size of
// documents and pages is in twips; devices convert at the last moment.
namespace Bant::Birim {

inline constexpr int TwipInc = 1440;     // twips per inch
inline constexpr int TwipNokta = 20;     // twips per typographic point
inline constexpr int A4Genislik = 11906; // A4 portrait, twips
inline constexpr int A4Yukseklik = 16838;

// Device units per twip at `dpi` dots per inch.
inline constexpr double olcek(double dpi) { return dpi / TwipInc; }
// Twips to whole pixels at `dpi`, rounded to nearest.
inline constexpr int piksel(int twip, int dpi) { return (twip * dpi + TwipInc / 2) / TwipInc; }
// Twips to points, as PDF measures.
inline constexpr double nokta(double twip) { return twip / TwipNokta; }

} // namespace Bant::Birim
