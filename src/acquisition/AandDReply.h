#pragma once

#include "acquisition/Balance.h"

#include <optional>
#include <string>
#include <string_view>

namespace zephra {

// Reads an A&D standard-format reply: a two-letter header, a separator, the
// value with its sign and leading zeros, the unit: "ST,+00123.45  g"
// (stable), "US,+00123.47  g" (unstable, a valid reading), "QT" for counts
// (not a weight unit). Accepted variants: a comparison result after the
// header ("ST,OK,+00123.45  g"), the CSV form with the unit after a comma
// ("ST,+00123.45,g"), semicolons with a decimal comma ("ST;+00123,45;g"),
// any padding, CR, LF or both at the end. "OL" with a positive value is an
// overload, with a negative one an underload; "EC,E11" and its kind are
// refusals (Detail "E11"). The value is converted to grams.
WeightReading ParseAandDReply(std::string_view line);

// The balance's identifier in the reply to ?ID ("ID,LAB-0123"); nothing
// for any other line.
std::optional<std::string> AandDIdentifier(std::string_view line);

} // namespace zephra
