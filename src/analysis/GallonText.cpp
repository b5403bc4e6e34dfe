#include "analysis/GallonText.h"

#include "entry/GroupedNumber.h"

namespace zephra {

std::string GallonText(double v, std::string_view separator) {
    constexpr double Limit = 999999999999.0;
    if (!(v < Limit)) {
        return "over 1,000,000,000,000";
    }
    return GroupedWholeText(v, separator);
}

std::optional<double> ReadGallonText(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const auto grouped =
        ReadGroupedWhole(text.substr(first, text.find_last_not_of(' ') - first + 1));
    return grouped ? std::optional(grouped->Value) : std::nullopt;
}

} // namespace zephra
