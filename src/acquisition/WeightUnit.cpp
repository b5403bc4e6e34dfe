#include "acquisition/WeightUnit.h"

#include "acquisition/ReplyText.h"
#include "entry/NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace zephra {

std::optional<double> GramsPerUnit(std::string_view unit) {
    std::string name(TrimBlanks(unit));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    struct Unit {
        const char* name;
        double grams;
    };
    static constexpr Unit units[] = {
        {"g", 1.0},         {"kg", 1000.0},       {"mg", 0.001},       {"lb", 453.59237},
        {"lbs", 453.59237}, {"oz", 28.349523125}, {"ozt", 31.1034768}, {"ct", 0.2},
    };
    for (const Unit& u : units) {
        if (name == u.name)
            return u.grams;
    }
    return std::nullopt;
}

void SetWeight(WeightReading& reading, double value, std::string_view unit) {
    reading.Unit = std::string(TrimBlanks(unit));
    const std::optional<double> grams = GramsPerUnit(unit);
    if (!grams) {
        reading.Error = true;
        reading.Condition = BalanceCondition::UnknownUnit;
        reading.Detail = reading.Unit;
        return;
    }
    reading.WeightVal = value * *grams;
    reading.Error = !WithinBalanceRange(reading.WeightVal);
    if (reading.Error) {
        reading.Condition = BalanceCondition::OutOfRange;
        reading.Detail = MessageNumberText(value) + " " + reading.Unit;
    }
}

bool WithinBalanceRange(double grams) {
    return std::isfinite(grams) && std::fabs(grams) <= LargestLoadGrams;
}

} // namespace zephra
