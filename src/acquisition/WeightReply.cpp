#include "acquisition/WeightReply.h"

#include "acquisition/ReplyText.h"
#include "acquisition/WeightUnit.h"
#include "entry/NumberText.h"

#include <cmath>

namespace zephra {

WeightReading ParseWeightReply(std::string_view line, std::string_view unitInMotion) {
    WeightReading reading;
    const bool negative = !line.empty() && line.front() == '-';
    reading.WeightStr = std::string(line.substr(std::min<std::size_t>(1, line.size()), 9));
    const std::string unit(
        TrimBlanks(TrimLine(line.substr(std::min<std::size_t>(10, line.size())))));
    const std::optional<double> value = ParseEntryNumber(reading.WeightStr);
    if (value && std::isfinite(*value))
        SetWeight(reading, negative ? *value * -1.0 : *value, unit.empty() ? unitInMotion : unit);
    else
        reading.Error = true;
    reading.Unit = unit;
    reading.Stable = !unit.empty();
    return reading;
}

} // namespace zephra
