#pragma once

#include <string>
#include <string_view>

namespace zephra {

// The sentence added to an entry message when the rejected text uses a
// comma as its decimal separator.
inline constexpr const char* DecimalCommaHint = "Use a point (.) as the decimal separator.";

// True when `text` has exactly one comma and reads as a number of the entry
// grammar once that comma is a point ("12,5"), as typed by a user whose
// desktop writes decimals with a comma.
bool UsesDecimalComma(std::string_view text);

// `message`, followed by a blank and DecimalCommaHint when `text` uses a
// decimal comma.
std::string WithDecimalCommaHint(const std::string& message, std::string_view text);

} // namespace zephra
