#include "acquisition/SmaReply.h"

#include "acquisition/ReplyText.h"
#include "acquisition/WeightUnit.h"

#include <cctype>
#include <vector>

namespace zephra {

namespace {

// The end of the value field: the first letter after a digit, dash or blank.
std::size_t UnitStart(std::string_view field) {
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (std::isalpha(static_cast<unsigned char>(field[i])) && field[i] != 'E' &&
            field[i] != 'e')
            return i;
    }
    return field.size();
}

} // namespace

WeightReading ParseSmaReply(std::string_view line) {
    WeightReading reading;
    reading.Error = true;
    // Only line ends are trimmed: the status characters may be blanks.
    while (!line.empty() && (line.front() == '\n' || line.front() == '\r'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    reading.WeightStr = std::string(line);
    if (TrimBlanks(line) == "?") {
        reading.Condition = BalanceCondition::Refused;
        reading.Detail.assign(1, '?');
        return reading;
    }
    if (line.size() < 7)
        return reading;
    const char status = line[0];
    const char range = line[1];
    const char grossNet = line[2];
    const char motion = line[3];
    if (std::string_view(" ZOUEITe").find(status) == std::string_view::npos ||
        !(range == ' ' || std::isdigit(static_cast<unsigned char>(range))) ||
        std::string_view("GNTgn").find(grossNet) == std::string_view::npos ||
        (motion != ' ' && motion != 'M'))
        return reading;
    switch (status) {
    case 'O':
        reading.Condition = BalanceCondition::Overload;
        return reading;
    case 'U':
        reading.Condition = BalanceCondition::Underload;
        return reading;
    case 'E':
    case 'I':
    case 'T':
        reading.Condition = BalanceCondition::Refused;
        reading.Detail = std::string(1, status);
        return reading;
    case 'e':
        reading.Condition = BalanceCondition::Busy;
        return reading;
    default:
        break;
    }
    const std::string_view field = line.substr(5);
    const std::size_t unitStart = UnitStart(field);
    const std::string_view value = TrimBlanks(field.substr(0, unitStart));
    const std::string_view unit = TrimBlanks(field.substr(unitStart));
    const std::optional<double> number = ReadWeightNumber(value);
    if (!number || unit.empty())
        return reading;
    reading.WeightStr = std::string(value);
    reading.Stable = motion != 'M';
    SetWeight(reading, *number, unit);
    return reading;
}

std::optional<std::string> SmaAbout(std::string_view line) {
    const std::string_view text = TrimLine(line);
    if (text.size() < 5 || text.substr(0, 4) != "SMA:")
        return std::nullopt;
    return std::string(text);
}

} // namespace zephra
