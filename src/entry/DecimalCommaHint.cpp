#include "entry/DecimalCommaHint.h"

#include "entry/NumberText.h"

#include <algorithm>

namespace zephra {

bool UsesDecimalComma(std::string_view text) {
    if (std::count(text.begin(), text.end(), ',') != 1) {
        return false;
    }
    std::string pointed(text);
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    return ParseEntryNumber(pointed).has_value();
}

std::string WithDecimalCommaHint(const std::string& message, std::string_view text) {
    return UsesDecimalComma(text) ? message + " " + DecimalCommaHint : message;
}

} // namespace zephra
