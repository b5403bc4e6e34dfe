#pragma once

// Whole numbers with their digits grouped in thousands ("1,234,568"), as
// the record writes the full-scale estimates.

#include <optional>
#include <string>
#include <string_view>

namespace zephra {

// The nearest whole number to v (halves away from zero), its digits grouped
// in thousands by `separator`, without a decimal part. v must be finite.
std::string GroupedWholeText(double v, std::string_view separator);

struct GroupedWhole {
    double Value;
    char Separator; // '\0' for plain digits
};

// Reads plain digits ("523", "1709"), or one to three digits followed by
// groups of three digits each after the same one non-digit character:
// "1,709", "12.345.678", "3 453". Nothing for any other text (blanks
// included).
std::optional<GroupedWhole> ReadGroupedWhole(std::string_view text);

} // namespace zephra
