#include "acquisition/WeightReply.h"

#include "acquisition/ReplyText.h"
#include "entry/NumberText.h"

#include <cmath>

namespace zephra {

WeightReading ParseWeightReply(std::string_view line) {
    WeightReading reading;
    const bool negative = !line.empty() && line.front() == '-';
    reading.WeightStr = std::string(line.substr(std::min<std::size_t>(1, line.size()), 9));
    const std::optional<double> value = ParseEntryNumber(reading.WeightStr);
    reading.Error = !value || !std::isfinite(*value);
    if (!reading.Error)
        reading.WeightVal = negative ? *value * -1.0 : *value;
    reading.Unit =
        std::string(TrimBlanks(TrimLine(line.substr(std::min<std::size_t>(10, line.size())))));
    reading.Stable = !reading.Unit.empty();
    return reading;
}

} // namespace zephra
