#pragma once

// Numbers typed where the user's locale writes decimals with a comma: the
// entry boxes take "1,5" as well as "1.5" there and store the point.

#include <string>
#include <string_view>

namespace zephra {

// How the user's locale writes the decimal separator.
enum class DecimalMark { Point, Comma };

// `text` as the entry grammar is to read it: with DecimalMark::Comma a text
// typed with a decimal comma ("1,5", see UsesDecimalComma) has a point in
// its place ("1.5"); every other text is unchanged.
std::string WithDecimalPoint(std::string_view text, DecimalMark mark);

} // namespace zephra
