#pragma once

#include "acquisition/Balance.h"

#include <string_view>

namespace zephra {

// Reads the balance's reply line to a weight request. Character 1 is the sign
// ("-" for a negative weight, anything else for a positive one); characters
// 2 to 10 hold the magnitude, read with the strict entry-number grammar, so a
// blank or any other character left over makes the reply unreadable;
// whatever follows character 10 is ignored. A magnitude too large for a
// double is unreadable too. The value is taken as it is, in whatever unit
// the balance weighs; the unit printed after it is kept in `Unit`, and a
// reading without one is unstable (the balance prints its unit only once
// the reading has settled).
WeightReading ParseWeightReply(std::string_view line);

} // namespace zephra
