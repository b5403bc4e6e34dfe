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
    // The value ends at the separator (CSV form) or at the first blank.
    text = TrimBlanks(text);
    std::size_t end = text.find(separator);
    const bool csv = end != std::string_view::npos;
    if (!csv)
        end = std::min(text.find(' '), text.size());
    std::string value(text.substr(0, end));
    const std::string_view unit = TrimBlanks(text.substr(std::min(end + (csv ? 1 : 0), text.size())));
    if (header == "OL") {
        reading.Condition =
            !value.empty() && value.front() == '-' ? BalanceCondition::Underload
                                                   : BalanceCondition::Overload;
        return reading;
    }
    if (separator == ';')
        std::replace(value.begin(), value.end(), ',', '.');
    const std::optional<double> number = ReadWeightNumber(value);
    if (!number || unit.empty())
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
