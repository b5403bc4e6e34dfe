#pragma once

#include "acquisition/Balance.h"

#include <optional>
#include <string_view>

namespace zephra {

// Grams in one `unit` as balances print it: g, kg, mg, lb (lbs), oz, ozt
// (troy ounce), ct (metric carat), in any letter case and with blanks
// around it. Nothing for any other unit.
std::optional<double> GramsPerUnit(std::string_view unit);

// The largest load a laboratory balance weighs: 100 kg.
inline constexpr double LargestLoadGrams = 100000.0;

// Whether `grams` can be a balance's reading at all: finite, and no more
// than LargestLoadGrams either side of zero.
bool WithinBalanceRange(double grams);

// Completes a weight `value` read in `unit`: WeightVal becomes the value in
// grams. For a unit that is not converted the reading has no weight
// (Condition UnknownUnit, Detail the unit), nor for a value beyond any
// balance's range (Condition OutOfRange, Detail the value and unit as read,
// "1e+50 kg").
void SetWeight(WeightReading& reading, double value, std::string_view unit);

} // namespace zephra
