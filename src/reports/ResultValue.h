#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace zephra {

// A stored text as data: nothing (an empty or blank field), a number, or a
// text that is not a number (such as "> 1E15", "   neg" or
// "over 1,000,000,000,000"), kept without its padding.
using ResultValue = std::variant<std::monostate, double, std::string>;

// Reads a UTF-8 field text: a number when the whole text, blanks aside,
// follows the entry grammar ("12.5", "-3", "1E15") and its value is finite.
ResultValue ReadResultValue(std::string_view text);

// Reads an expected volume in gallons: whole numbers grouped in thousands
// by one separator character ("1,709", "12.345.678", "3 453") are numbers
// too.
ResultValue ReadGallonValue(std::string_view text);

// The value as a field of a table: a number in the shortest text that reads
// back to it ("." decimals), a text as it is, nothing as "".
std::string ResultValueText(const ResultValue& value);

} // namespace zephra
