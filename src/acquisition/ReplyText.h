#pragma once

// Pieces of text shared by the reply parsers of the balance dialects.

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace zephra {

// `text` without blanks and tabs at either end.
std::string_view TrimBlanks(std::string_view text);

// `line` without the line ends (CR, LF) at either end, and without blanks
// before them.
std::string_view TrimLine(std::string_view line);

// The words of `text`, split at blanks and tabs.
std::vector<std::string_view> Words(std::string_view text);

// `text` split after the number it starts with (an optional sign, digits
// and decimal points, an exponent "E+19"): "+003.9689ozt" gives "+003.9689"
// and "ozt".
std::pair<std::string_view, std::string_view> SplitAfterNumber(std::string_view text);

// A weight number: an optional sign, which may stand apart from the digits
// ("- 12.34"), digits with an optional decimal point and an optional
// exponent; leading zeros are allowed ("+00123.45"). Nothing unless the
// whole text is such a number and its value is finite.
std::optional<double> ReadWeightNumber(std::string_view text);

} // namespace zephra
