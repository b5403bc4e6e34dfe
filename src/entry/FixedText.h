#pragma once

#include <string>

namespace zephra {

// x with exactly d decimals (no point when d = 0), "." whatever the locale,
// rounded from the exact binary value of x with halves away from zero, and
// padded on the left with blanks to w characters. Never cut. A negative value
// that rounds to zero keeps its "-" (-0.0004, d = 3 gives "-0.000"); -0.0
// itself has no sign.
std::string FixedText(double x, int w, int d);

} // namespace zephra
