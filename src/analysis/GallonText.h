#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zephra {

// An expected volume in US gallons as the record shows it: below
// 999 999 999 999 the nearest whole number (halves away from zero) with its
// digits grouped in thousands by `separator` (Windows-1252 bytes) and no
// decimal part; from there on, and for +infinity, the text
// "over 1,000,000,000,000". v must not be NaN or -infinity.
std::string GallonText(double v, std::string_view separator);

// The whole number a GallonText shows, blanks around it aside: digits, or
// groups of three digits after a first group of one to three, all joined
// by the same one non-digit character ("1,709", "12.345.678", "3 453").
// Nothing for any other text: blank, "over 1,000,000,000,000",
// " incalculably high".
std::optional<double> ReadGallonText(std::string_view text);

} // namespace zephra
