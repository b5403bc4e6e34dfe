#include "reports/ResultValue.h"

#include "entry/NumberText.h"
#include "reports/FieldText.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace zephra {

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Groups of three digits after a first group of one to three, all joined by
// the same one non-digit character; the digits alone, or empty when the
// text is not grouped so.
std::string GroupedDigits(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsDigit(text[first])) {
        ++first;
    }
    if (first == 0 || first > 3) {
        return {};
    }
    std::string digits(text.substr(0, first));
    const char separator = first < text.size() ? text[first] : '\0';
    for (std::size_t i = first; i < text.size(); i += 4) {
        if (text[i] != separator || i + 4 > text.size()) {
            return {};
        }
        for (std::size_t d = i + 1; d < i + 4; ++d) {
            if (!IsDigit(text[d])) {
                return {};
            }
            digits += text[d];
        }
    }
    return digits;
}

} // namespace

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
    const std::string digits = GroupedDigits(TrimBlanks(text));
    if (!digits.empty()) {
        return *ParseEntryNumber(digits);
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
