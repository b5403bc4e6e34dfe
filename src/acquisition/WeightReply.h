#pragma once

#include "acquisition/Balance.h"

#include <string_view>

namespace zephra {

// Reads the balance's reply line to a weight request. Character 1 is the sign
// ("-" for a negative weight, anything else for a positive one); characters
// 2 to 10 hold the magnitude, read with the strict entry-number grammar, so a
// blank or any other character left over makes the reply unreadable; a
// magnitude too large for a double is unreadable too. What follows
// character 10 is the unit, kept in `Unit`, which converts the value to
// grams as in every dialect (see SetWeight): a unit that is not converted,
// or a value beyond any balance's range, gives no weight. A reply without a
// unit is unstable (the balance prints its unit only once the reading has
// settled) and its value is in `unitInMotion`, grams unless the caller
// knows the balance's unit from an earlier reply.
WeightReading ParseWeightReply(std::string_view line, std::string_view unitInMotion = "g");

} // namespace zephra
