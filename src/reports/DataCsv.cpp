#include "reports/DataCsv.h"

#include "reports/CountedRows.h"
#include "reports/Csv.h"
#include "reports/FieldText.h"
#include "reports/ResultValue.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace zephra {

std::string DataCsvText(const TWineRec& rec) {
    std::string out =
        CsvRecord(std::vector<std::string>(std::begin(DataCsvColumns), std::end(DataCsvColumns)));
    for (const CountedRow& row : CountedRows(rec)) {
        out += CsvRecord({std::to_string(row.Number), row.Volume, row.Minutes, row.Seconds,
                          ResultValueText(row.ElapsedSeconds), row.VA, row.R, row.Rexp, row.Rpower,
                          row.Skipped ? "1" : "0"});
    }
    return out;
}

namespace {

std::string Trimmed(std::string_view text) {
    const char* blanks = " \t";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(blanks) - first + 1));
}

std::string Lowercase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

bool Skippable(const CsvRow& row) {
    if (row.Fields.size() == 1 && Trimmed(row.Fields[0]).empty()) {
        return true;
    }
    return !row.Fields.empty() && Trimmed(row.Fields[0]).starts_with('#');
}

// The positions of the volume, minutes and seconds columns named in a
// header row, or nothing when the row names no volume column.
std::optional<std::array<std::size_t, 3>> HeaderColumns(const CsvRow& row, std::string& error) {
    std::optional<std::size_t> volume, minutes, seconds;
    for (std::size_t i = 0; i < row.Fields.size(); ++i) {
        const std::string name = Lowercase(Trimmed(row.Fields[i]));
        if (name == "volume_ml" || name == "volume") {
            volume = i;
        } else if (name == "minutes") {
            minutes = i;
        } else if (name == "seconds") {
            seconds = i;
        }
    }
    if (!volume) {
        return std::nullopt;
    }
    if (!minutes || !seconds) {
        error = "the header names no 'minutes' or no 'seconds' column";
    }
    return std::array<std::size_t, 3>{*volume, minutes.value_or(0), seconds.value_or(0)};
}

} // namespace

DataPointsRead ReadDataPointsCsv(std::string_view text, int maxPoints) {
    // Spreadsheets may start their UTF-8 CSV with a byte order mark.
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(ByteOrderMark)) {
        text.remove_prefix(ByteOrderMark.size());
    }
    DataPointsRead result;
    const CsvReadResult csv = ReadCsv(text);
    if (csv.Error) {
        result.Error = *csv.Error;
        result.ErrorLine = csv.ErrorLine;
        return result;
    }
    std::array<std::size_t, 3> columns{0, 1, 2};
    bool headed = false;
    bool first = true;
    for (const CsvRow& row : csv.Rows) {
        if (Skippable(row)) {
            continue;
        }
        if (first) {
            first = false;
            std::string error;
            if (const auto named = HeaderColumns(row, error)) {
                if (!error.empty()) {
                    result.Error = error;
                    result.ErrorLine = row.Line;
                    return result;
                }
                columns = *named;
                headed = true;
                continue;
            }
        }
        if (headed ? row.Fields.size() <= *std::max_element(columns.begin(), columns.end())
                   : row.Fields.size() != 3) {
            result.Error = headed ? "expected the columns the header names"
                                  : "expected VOLUME,MINUTES,SECONDS";
            result.ErrorLine = row.Line;
            return result;
        }
        if (static_cast<int>(result.Points.size()) == maxPoints) {
            result.Error = "more than " + std::to_string(maxPoints) + " points";
            result.ErrorLine = row.Line;
            return result;
        }
        result.Points.push_back({Trimmed(row.Fields[columns[0]]), Trimmed(row.Fields[columns[1]]),
                                 Trimmed(row.Fields[columns[2]])});
    }
    return result;
}

DataPointsRead ReadDataCsv(std::string_view text, DataForm& form) {
    DataPointsRead read = ReadDataPointsCsv(text, DataPointCount);
    if (read.Error) {
        return read;
    }
    // An empty or cut input must not pass for an empty data set.
    if (read.Points.empty()) {
        read.Error = "no data points were read";
        return read;
    }
    form.Volume.fill({});
    form.Minutes.fill({});
    form.Seconds.fill({});
    for (std::size_t i = 0; i < read.Points.size(); ++i) {
        form.Volume[i] = read.Points[i].Volume;
        form.Minutes[i] = read.Points[i].Minutes;
        form.Seconds[i] = read.Points[i].Seconds;
    }
    return read;
}

} // namespace zephra
