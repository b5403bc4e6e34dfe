#include "entry/PastedTable.h"

#include "entry/NumberText.h"

#include <algorithm>
#include <utility>

namespace zephra {

namespace {

// Where decimals are written with a comma, a comma never separates fields.
bool IsSeparator(char c, DecimalMark mark) {
    return c == '\t' || (c == ',' && mark == DecimalMark::Point) || c == ';' || c == ' ';
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n' && text[i] != '\r') {
            continue;
        }
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

// Runs of separators count as one, so that cells aligned with blanks or a
// comma followed by a blank split the same way as a single tab.
std::vector<std::string> SplitFields(std::string_view line, DecimalMark mark) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsSeparator(line[i], mark)) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && !IsSeparator(line[i], mark)) {
            ++i;
        }
        if (i > start) {
            fields.push_back(WithDecimalPoint(line.substr(start, i - start), mark));
        }
    }
    return fields;
}

bool IsNumber(std::string_view field) {
    return ParseEntryNumber(field).has_value();
}

// A line of words only, such as "Volume (ml)  Minutes  Seconds".
bool IsHeader(const std::vector<std::string>& fields) {
    return std::none_of(fields.begin(), fields.end(), IsNumber);
}

std::optional<PastedReading> ReadLine(int number, const std::vector<std::string>& fields) {
    if (fields.size() == 3) {
        if (!IsNumber(fields[0]) || !IsNumber(fields[1]) || !IsNumber(fields[2])) {
            return std::nullopt;
        }
        return PastedReading{number, fields[0], fields[1], fields[2]};
    }
    if (fields.size() == 2) {
        const std::string_view time = fields[1];
        const std::size_t colon = time.find(':');
        if (colon == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view minutes = time.substr(0, colon);
        const std::string_view seconds = time.substr(colon + 1);
        if (!IsNumber(fields[0]) || !IsNumber(minutes) || !IsNumber(seconds)) {
            return std::nullopt;
        }
        return PastedReading{number, fields[0], std::string(minutes), std::string(seconds)};
    }
    return std::nullopt;
}

} // namespace

std::variant<std::vector<PastedReading>, PasteFailure> ReadPastedTable(std::string_view text,
                                                                       DecimalMark mark) {
    std::vector<PastedReading> readings;
    const std::vector<std::string_view> lines = SplitLines(text);
    std::optional<PasteFailure> header;
    bool top = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<std::string> fields = SplitFields(lines[i], mark);
        if (fields.empty()) {
            continue;
        }
        if (std::exchange(top, false) && IsHeader(fields)) {
            header = PasteFailure{static_cast<int>(i) + 1, std::string(lines[i])};
            continue;
        }
        const int number = static_cast<int>(i) + 1;
        std::optional<PastedReading> reading = ReadLine(number, fields);
        if (!reading) {
            return PasteFailure{number, std::string(lines[i])};
        }
        readings.push_back(std::move(*reading));
    }
    // A first line of words with nothing below it heads no table.
    if (readings.empty() && header) {
        return *header;
    }
    return readings;
}

bool HoldsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

std::string PasteFailureMessage(const PasteFailure& failure) {
    // Tabs between spreadsheet cells would show as wide gaps in a message.
    std::string shown = failure.Text;
    std::replace(shown.begin(), shown.end(), '\t', ' ');
    return "Nothing was pasted: line " + std::to_string(failure.Line) + " (\"" + shown +
           "\") is not a volume and a time. Each line needs a volume and a time as "
           "\"volume, minutes, seconds\" or \"volume, m:ss\".";
}

std::string PasteTooWideMessage(int line, const std::string& field) {
    return "Nothing was pasted: \"" + field + "\" on line " + std::to_string(line) +
           " is longer than its box takes.";
}

std::string PasteTooLongMessage(int firstRow, int readings, int rows) {
    return "Nothing was pasted: " + std::to_string(readings) + " readings from row " +
           std::to_string(firstRow) + " on do not fit in the " + std::to_string(rows) + " rows.";
}

} // namespace zephra
