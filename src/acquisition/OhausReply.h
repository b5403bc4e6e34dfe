#pragma once

#include "acquisition/Balance.h"

#include <string_view>

namespace zephra {

// Reads an OHAUS print line: the value right-aligned (its sign before the
// digits or apart from them), a blank, the unit, then "?" while the reading
// is unstable, then an optional legend (G, NET, T, TOTAL, a time) that is
// ignored: "     123.45 g    ", "     123.47 g  ?", "-    12.34 g  NET".
// Any padding, CR, LF or both at the end. A value field of "OL" is an
// overload and "UL" an underload (the display's words); "ES" (an invalid
// command) is a refusal. The value is converted to grams.
WeightReading ParseOhausReply(std::string_view line);

} // namespace zephra
