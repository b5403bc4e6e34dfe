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

} // namespace zephra
