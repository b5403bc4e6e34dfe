#include "acquisition/MtSicsReply.h"

#include "acquisition/ReplyText.h"
#include "acquisition/WeightUnit.h"

#include <vector>

namespace zephra {

WeightReading ParseMtSicsReply(std::string_view line) {
    WeightReading reading;
    reading.Error = true;
    const std::string_view text = TrimLine(line);
    reading.WeightStr = std::string(text);
    const std::vector<std::string_view> words = Words(text);
    if (words.size() == 1 && (words[0] == "ES" || words[0] == "ET" || words[0] == "EL")) {
        reading.Condition = BalanceCondition::Refused;
        reading.Detail = std::string(words[0]);
        return reading;
    }
    if (words.size() < 2 || (words[0] != "S" && words[0] != "SI") || words[1].size() != 1)
        return reading;
    switch (words[1][0]) {
    case 'I':
        reading.Condition = BalanceCondition::Busy;
        return reading;
    case '+':
        reading.Condition = BalanceCondition::Overload;
        return reading;
    case '-':
        reading.Condition = BalanceCondition::Underload;
        return reading;
    case 'S':
    case 'D':
        break;
    default:
        return reading;
    }
    // The value is the words between the status and the unit: "123.45" or "- 123.45".
    if (words.size() < 4 || words.size() > 5)
        return reading;
    const std::string_view first = words[2];
    const std::string_view last = words[words.size() - 2];
    const std::string_view value(first.data(), last.data() + last.size() - first.data());
    const std::optional<double> number = ReadWeightNumber(value);
    if (!number)
        return reading;
    reading.WeightStr = std::string(value);
    reading.Stable = words[1][0] == 'S';
    SetWeight(reading, *number, words.back());
    return reading;
}

bool MtSicsTared(std::string_view line) {
    const std::vector<std::string_view> words = Words(TrimLine(line));
    return words.size() >= 2 && words[0] == "T" && words[1] == "S";
}

std::optional<std::string> MtSicsSerialNumber(std::string_view line) {
    const std::string_view text = TrimLine(line);
    const std::vector<std::string_view> words = Words(text);
    if (words.size() < 3 || words[0] != "I4" || words[1] != "A")
        return std::nullopt;
    const std::size_t open = text.find('"');
    const std::size_t close = text.rfind('"');
    if (open == std::string_view::npos || close <= open)
        return std::nullopt;
    return std::string(text.substr(open + 1, close - open - 1));
}

} // namespace zephra
