#pragma once

// Comma-separated text as spreadsheets exchange it (RFC 4180): records end
// in CRLF; a field holding a comma, a quote or a control character (CR and
// LF among them) is written in quotes, with its quotes doubled. A text field
// starting with "=", "+", "-", "@", a tab or CR, which a spreadsheet would
// run as a formula, is written with a single quote before it; a field that
// is a number ("-1.5", "+3", "2E-3") is written as it is.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zephra {

// One record with its line ending.
std::string CsvRecord(const std::vector<std::string>& fields);

// A record as read, with the number of the line it starts on (1 for the
// first line).
struct CsvRow {
    int Line = 0;
    std::vector<std::string> Fields;
};

struct CsvReadResult {
    std::vector<CsvRow> Rows;
    // Set when the text is not valid CSV; Rows then holds the records before
    // the fault.
    std::optional<std::string> Error;
    int ErrorLine = 0;
};

// Splits CSV text into records. Lines may end in CRLF or LF alone; quoted
// fields may hold line breaks. Empty lines are kept as records of one empty
// field. Text after a closing quote, or a quote left open, is an error.
CsvReadResult ReadCsv(std::string_view text);

} // namespace zephra
