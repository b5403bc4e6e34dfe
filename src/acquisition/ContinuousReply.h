#pragma once

#include "acquisition/Balance.h"

#include <string_view>

namespace zephra {

// Reads one line a balance prints on its own, in whichever form it prints:
// the standard interface command set's ("S D     123.45 g"), A&D's
// ("ST,+00123.45  g"), the SMA protocol's, or a plain value and unit with an
// optional "?" for an unstable reading ("+   123.45 g", "123.45 kg ?") —
// the form OHAUS balances and the ESC P link print. A line without a unit is
// not a reading. The value is converted to grams.
WeightReading ParseContinuousLine(std::string_view line);

} // namespace zephra
