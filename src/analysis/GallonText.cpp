#include "analysis/GallonText.h"

#include "entry/NumberText.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace zephra {

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The digits of a whole number written plain or grouped in thousands by
// one separator; empty when the text is neither.
std::string GroupedDigits(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsDigit(text[first])) {
        ++first;
    }
    if (first == text.size()) {
        return std::string(text);
    }
    if (first == 0 || first > 3) {
        return {};
    }
    std::string digits(text.substr(0, first));
    const char separator = text[first];
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

std::string GallonText(double v, std::string_view separator) {
    constexpr double Limit = 999999999999.0;
    if (!(v < Limit)) {
        return "over 1,000,000,000,000";
    }
    // A whole double prints exactly (+ 0.0 turns -0 into 0); no decimal point
    // is involved, so the C library's numeric locale does not matter here.
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", std::round(v) + 0.0);
    const std::string_view text(digits);
    const std::size_t signLength = text.front() == '-' ? 1 : 0;
    const std::string_view whole = text.substr(signLength);

    std::string grouped(text.substr(0, signLength));
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) {
            grouped += separator;
        }
        grouped += whole[i];
    }
    return grouped;
}

std::optional<double> ReadGallonText(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string digits =
        GroupedDigits(text.substr(first, text.find_last_not_of(' ') - first + 1));
    if (digits.empty()) {
        return std::nullopt;
    }
    return ParseEntryNumber(digits);
}

} // namespace zephra
