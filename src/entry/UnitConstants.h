#pragma once

// The unit conversions of the filtration figures. Their values are part of
// the results stored in wine files, so they are exactly these numbers (pi
// included) and must not be made more precise.

namespace zephra {

inline constexpr double PaPerPsi = 6894.8;
inline constexpr double Pi = 3.14159;
inline constexpr double LitresPerBottle = 0.75;
inline constexpr double LitresPerGallon = 3.7854; // US gallon

// The exact definitions, for showing and taking values in metric units
// (UnitSystem.h). Only what is shown is converted with them; the record and
// the calculation keep the values above.
//
// A US gallon is 231 cubic inches, 3.785411784 L. A psi is a pound-force
// (0.45359237 kg under standard gravity, 9.80665 m/s²) per square inch
// (0.0254 m squared); 1 bar is 100000 Pa, so 1 psi = 0.0689475729... bar.
inline constexpr double ExactLitresPerGallon = 3.785411784;
inline constexpr double ExactBarPerPsi = 0.45359237 * 9.80665 / (0.0254 * 0.0254) / 100000;

} // namespace zephra
