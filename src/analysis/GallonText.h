#pragma once

#include <string>
#include <string_view>

namespace zephra {

// An expected volume in US gallons as the record shows it: below
// 999 999 999 999 the nearest whole number (halves away from zero) with its
// digits grouped in thousands by `separator` (Windows-1252 bytes) and no
// decimal part; from there on, and for +infinity, the text
// "over 1,000,000,000,000". v must not be NaN or -infinity.
std::string GallonText(double v, std::string_view separator);

} // namespace zephra
