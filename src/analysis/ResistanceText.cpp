#include "analysis/ResistanceText.h"

#include "entry/FixedText.h"

namespace zephra {

std::string ResistanceText(double R) {
    constexpr double Limit = 999999000000000.0;
    constexpr double Scale = 1e9;
    if (R < Limit) {
        return FixedText(R / Scale, 6, 2);
    }
    return "> 1E15";
}

} // namespace zephra
