#include "entry/PastedTable.h"

#include "entry/DecimalCommaHint.h"
#include "entry/NumberText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace zephra {

namespace {

bool IsSeparator(char c) {
    return c == '\t' || c == ',' || c == ';' || c == ' ';
}

// Where decimals are written with a comma, a comma never separates cells.
bool IsCellSeparator(char c, DecimalMark mark) {
    return IsSeparator(c) && (c != ',' || mark == DecimalMark::Point);
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
std::vector<std::string_view> SplitAtSeparators(std::string_view line, DecimalMark mark) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsCellSeparator(line[i], mark)) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && !IsCellSeparator(line[i], mark)) {
            ++i;
        }
        if (i > start) {
            fields.push_back(line.substr(start, i - start));
        }
    }
    return fields;
}

std::string_view WithoutBlanks(std::string_view cell) {
    const std::size_t first = cell.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return cell.substr(first, cell.find_last_not_of(' ') - first + 1);
}

// A spreadsheet's cells: only a tab separates them, and an empty cell is a
// cell.
std::vector<std::string_view> SplitAtTabs(std::string_view line) {
    std::vector<std::string_view> cells;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        cells.push_back(WithoutBlanks(line.substr(start, tab - start)));
        if (tab == std::string_view::npos) {
            break;
        }
        start = tab + 1;
    }
    while (!cells.empty() && cells.back().empty()) {
        cells.pop_back();
    }
    return cells;
}

// The line's cells, each with a decimal comma read as a point where the
// user's decimals are written with a comma.
std::vector<std::string> SplitCells(std::string_view line, DecimalMark mark) {
    const std::vector<std::string_view> split = line.find('\t') != std::string_view::npos
                                                    ? SplitAtTabs(line)
                                                    : SplitAtSeparators(line, mark);
    std::vector<std::string> cells;
    for (const std::string_view cell : split) {
        cells.push_back(WithDecimalPoint(cell, mark));
    }
    return cells;
}

bool IsBlank(std::string_view line) {
    return std::all_of(line.begin(), line.end(), IsSeparator);
}

// Whether a cell reads as the number its column holds: the volume in ml,
// the whole minutes or the seconds.
bool ReadsAsColumnNumber(std::string_view cell) {
    return ParseEntryNumber(cell).has_value();
}

// A line of words only, such as "Volume (ml)<TAB>Minutes<TAB>Seconds".
bool IsHeader(const std::vector<std::string>& cells) {
    return std::none_of(cells.begin(), cells.end(), ReadsAsColumnNumber);
}

// The volume, minutes and seconds of a line's cells, or the failure.
std::variant<PastedReading, PasteFailure> ReadLine(int number, std::string_view line,
                                                   const std::vector<std::string>& cells) {
    PasteFailure failure{number, std::string(line), {}};
    std::array<std::string_view, 3> columns;
    if (cells.size() == 3) {
        columns = {cells[0], cells[1], cells[2]};
    } else if (cells.size() == 2) {
        const std::string_view time = cells[1];
        const std::size_t colon = time.find(':');
        if (colon == std::string_view::npos) {
            failure.Cell = time;
            return failure;
        }
        columns = {cells[0], time.substr(0, colon), time.substr(colon + 1)};
    } else {
        return failure;
    }
    for (const std::string_view cell : columns) {
        if (!ReadsAsColumnNumber(cell)) {
            failure.Cell = cell;
            return failure;
        }
    }
    return PastedReading{number, std::string(columns[0]), std::string(columns[1]),
                         std::string(columns[2])};
}

} // namespace

std::variant<std::vector<PastedReading>, PasteFailure> ReadPastedTable(std::string_view text,
                                                                       DecimalMark mark) {
    std::vector<PastedReading> readings;
    const std::vector<std::string_view> lines = SplitLines(text);
    std::optional<PasteFailure> header;
    bool top = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (IsBlank(lines[i])) {
            continue;
        }
        const int number = static_cast<int>(i) + 1;
        const std::vector<std::string> cells = SplitCells(lines[i], mark);
        if (std::exchange(top, false) && IsHeader(cells)) {
            header = PasteFailure{number, std::string(lines[i]), {}};
            continue;
        }
        std::variant<PastedReading, PasteFailure> line = ReadLine(number, lines[i], cells);
        if (auto* failure = std::get_if<PasteFailure>(&line)) {
            return std::move(*failure);
        }
        readings.push_back(std::move(std::get<PastedReading>(line)));
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
    return WithDecimalCommaHint("Nothing was pasted: line " + std::to_string(failure.Line) +
                                    " (\"" + shown +
                                    "\") is not a volume and a time. Each line needs a volume "
                                    "and a time as \"volume, minutes, seconds\" or \"volume, "
                                    "m:ss\".",
                                failure.Cell);
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
