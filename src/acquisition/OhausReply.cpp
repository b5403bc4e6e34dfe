#include "acquisition/OhausReply.h"

#include "acquisition/ReplyText.h"
#include "acquisition/WeightUnit.h"

#include <vector>

namespace zephra {

WeightReading ParseOhausReply(std::string_view line) {
    WeightReading reading;
    reading.Error = true;
    const std::string_view text = TrimLine(line);
    reading.WeightStr = std::string(text);
    const std::vector<std::string_view> words = Words(text);
    if (words.size() == 1 && words[0] == "ES") {
        reading.Condition = BalanceCondition::Refused;
        reading.Detail = "ES";
        return reading;
    }
    std::size_t i = 0;
    const bool apartSign = !words.empty() && (words[0] == "-" || words[0] == "+");
    if (apartSign)
        ++i;
    if (i < words.size() && (words[i] == "OL" || words[i] == "-OL-")) {
        reading.Condition = BalanceCondition::Overload;
        return reading;
    }
    if (i < words.size() && (words[i] == "UL" || words[i] == "-UL-")) {
        reading.Condition = BalanceCondition::Underload;
        return reading;
    }
    if (i + 2 > words.size())
        return reading;
    const std::string_view value(words[0].data(),
                                 words[i].data() + words[i].size() - words[0].data());
    const std::optional<double> number = ReadWeightNumber(value);
    const std::string_view unit = words[i + 1];
    if (!number || unit == "?")
        return reading;
    reading.WeightStr = std::string(value);
    reading.Stable = !(i + 2 < words.size() && words[i + 2] == "?");
    SetWeight(reading, *number, unit);
    return reading;
}

} // namespace zephra
