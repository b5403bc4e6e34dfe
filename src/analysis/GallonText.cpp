#include "analysis/GallonText.h"

#include <cmath>
#include <cstdio>

namespace zephra {

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

} // namespace zephra
