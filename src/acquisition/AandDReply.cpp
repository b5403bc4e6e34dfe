#include "acquisition/AandDReply.h"

#include "acquisition/ReplyText.h"
#include "acquisition/WeightUnit.h"

#include <algorithm>

namespace zephra {

WeightReading ParseAandDReply(std::string_view line) {
    WeightReading reading;
    reading.Error = true;
    std::string_view text = TrimLine(line);
    reading.WeightStr = std::string(text);
    if (text.size() < 4 || (text[2] != ',' && text[2] != ';'))
        return reading;
    const char separator = text[2];
    const std::string_view header = text.substr(0, 2);
    text.remove_prefix(3);
    if (header == "EC") {
        reading.Condition = BalanceCondition::Refused;
        reading.Detail = std::string(TrimBlanks(text));
        return reading;
    }
    if (header != "ST" && header != "US" && header != "QT" && header != "OL" && header != "WT")
        return reading;
    for (const std::string_view comparison : {"LO", "OK", "HI", "--"}) {
        if (text.size() > 3 && text.substr(0, 2) == comparison && text[2] == separator)
            text.remove_prefix(3);
    }
    // With semicolons as separators the decimal point is a comma.
    std::string body(TrimBlanks(text));
    if (separator == ';')
        std::replace(body.begin(), body.end(), ',', '.');
    // The value ends at the separator (CSV form) or where the unit begins.
    const std::string_view data = body;
    const std::size_t end = data.find(separator);
    const auto [valueText, rest] = end != std::string_view::npos
                                       ? std::pair(data.substr(0, end), data.substr(end + 1))
                                       : SplitAfterNumber(data);
    const std::string value(TrimBlanks(valueText));
    const std::string_view unit = TrimBlanks(rest);
    if (header == "OL") {
        reading.Condition = !value.empty() && value.front() == '-' ? BalanceCondition::Underload
                                                                   : BalanceCondition::Overload;
        return reading;
    }
    const std::optional<double> number = ReadWeightNumber(value);
    if (!number || unit.empty() || unit.find(' ') != std::string_view::npos)
        return reading;
    reading.WeightStr = value;
    reading.Stable = header != "US";
    SetWeight(reading, *number, unit);
    return reading;
}

std::optional<std::string> AandDIdentifier(std::string_view line) {
    const std::string_view text = TrimLine(line);
    if (text.size() < 4 || text.substr(0, 3) != "ID,")
        return std::nullopt;
    return std::string(TrimBlanks(text.substr(3)));
}

} // namespace zephra
