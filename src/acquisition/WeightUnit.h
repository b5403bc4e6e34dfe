#pragma once

#include "acquisition/Balance.h"

#include <optional>
#include <string_view>

namespace zephra {

// Grams in one `unit` as balances print it: g, kg, mg, lb (lbs), oz, ozt
// (troy ounce), ct (metric carat), in any letter case and with blanks
// around it. Nothing for any other unit.
std::optional<double> GramsPerUnit(std::string_view unit);

// Completes a weight `value` read in `unit`: WeightVal becomes the value in
// grams, or, for a unit that is not converted, the reading has no weight
// (Condition UnknownUnit, Detail the unit).
void SetWeight(WeightReading& reading, double value, std::string_view unit);

} // namespace zephra
