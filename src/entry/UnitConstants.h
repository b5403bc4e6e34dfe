#pragma once

// The unit conversions of the filtration figures. Their values are part of
// the results stored in wine files, so they are exactly these numbers (pi
// included) and must not be made more precise.

namespace zephra {

inline constexpr double PaPerPsi = 6894.8;
inline constexpr double Pi = 3.14159;
inline constexpr double LitresPerBottle = 0.75;
inline constexpr double LitresPerGallon = 3.7854; // US gallon

} // namespace zephra
