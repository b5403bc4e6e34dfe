#include "entry/GroupedNumber.h"

#include "entry/NumberText.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace zephra {

namespace {

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

std::string GroupedWholeText(double v, std::string_view separator) {
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

std::optional<GroupedWhole> ReadGroupedWhole(std::string_view text) {
    std::size_t first = 0;
    while (first < text.size() && IsDigit(text[first])) {
        ++first;
    }
    if (first == text.size() && first > 0) {
        return GroupedWhole{*ParseEntryNumber(text), '\0'};
    }
    if (first == 0 || first > 3) {
        return std::nullopt;
    }
    std::string digits(text.substr(0, first));
    const char separator = text[first];
    for (std::size_t i = first; i < text.size(); i += 4) {
        if (text[i] != separator || i + 4 > text.size()) {
            return std::nullopt;
        }
        for (std::size_t d = i + 1; d < i + 4; ++d) {
            if (!IsDigit(text[d])) {
                return std::nullopt;
            }
            digits += text[d];
        }
    }
    return GroupedWhole{*ParseEntryNumber(digits), separator};
}

} // namespace zephra
