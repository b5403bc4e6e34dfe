#include "entry/DecimalMark.h"

#include "entry/DecimalCommaHint.h"

#include <algorithm>

namespace zephra {

std::string WithDecimalPoint(std::string_view text, DecimalMark mark) {
    std::string result(text);
    if (mark == DecimalMark::Comma && UsesDecimalComma(text)) {
        std::replace(result.begin(), result.end(), ',', '.');
    }
    return result;
}

} // namespace zephra
