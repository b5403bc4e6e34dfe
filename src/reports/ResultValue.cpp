#include "reports/ResultValue.h"

#include "analysis/GallonText.h"
#include "entry/NumberText.h"
#include "reports/FieldText.h"

#include <charconv>
#include <cmath>

namespace zephra {

ResultValue ReadResultValue(std::string_view text) {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) {
        return {};
    }
    // A number too large for a double ("1E400") stays the text it is.
    if (const auto number = ParseEntryNumber(trimmed); number && std::isfinite(*number)) {
        return *number;
    }
    return std::string(trimmed);
}

ResultValue ReadGallonValue(std::string_view text) {
    if (const std::optional<double> gallons = ReadGallonText(text)) {
        return *gallons;
    }
    return ReadResultValue(text);
}

std::string ResultValueText(const ResultValue& value) {
    if (const double* number = std::get_if<double>(&value)) {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, *number).ptr;
        return std::string(buffer, end);
    }
    if (const std::string* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    return {};
}

} // namespace zephra
