#include "ReplyLine.h"

#include <cmath>
#include <cstdio>

namespace zephra::balancesim {

std::string ReplyLine(double value, bool stable, bool longForm, const std::string& unit,
                      int decimals) {
    char magnitude[32];
    std::snprintf(magnitude, sizeof magnitude, "%9.*f", decimals, std::fabs(value));
    std::string line = longForm ? "N     " : "";
    line += value < 0 ? '-' : '+';
    line += magnitude;
    std::string unitField(4, ' ');
    if (stable)
        unitField.replace(1, 3, unit.substr(0, 3)).resize(4, ' ');
    line += unitField;
    line += "\r\n";
    return line;
}

std::string GarbageLine(std::mt19937& random) {
    // Mismatched framing turns digits into high and odd characters, never a CR.
    std::uniform_int_distribution<int> byte(0x80, 0xFE);
    std::string line;
    for (int i = 0; i < 14; ++i)
        line += static_cast<char>(byte(random));
    line += "\r\n";
    return line;
}

} // namespace zephra::balancesim
