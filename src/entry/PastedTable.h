#pragma once

// Reading a table of readings pasted into the data dialog, as copied from a
// spreadsheet or a text file: one reading per line, a volume and a time.

#include "entry/DecimalMark.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zephra {

// One line of the table: the texts that go into a row's three boxes, as
// they appear in the line (the dialog's OK check normalises them later).
struct PastedReading {
    int Line; // 1 = first line of the pasted text
    std::string Volume;
    std::string Minutes;
    std::string Seconds;
};

// The line (1 = first line of the pasted text) that could not be read, the
// text of that line, and the cell of it that did not read as its column
// expects (empty when the line has not the cells of a reading).
struct PasteFailure {
    int Line;
    std::string Text;
    std::string Cell;
};

// Splits `text` into lines (LF, CR LF or CR) and each line into cells. A
// line holding a tab is split at its tabs only, as a spreadsheet copies its
// cells (so that "2,5" stays one cell), and each cell is taken without the
// blanks around it; empty cells at its end are dropped. Any other line is
// split at runs of tabs, commas, semicolons and blanks. A line is either
// "volume minutes seconds" or "volume m:ss", and each of these must read
// as a number. Lines of separators only are skipped, and so is a first line
// without any number above readings (a header such as
// "Volume (ml)<TAB>min<TAB>sec"). Returns the readings in order, or the
// first line that is not a reading.
//
// With DecimalMark::Comma a comma never separates cells, and a cell typed
// with a decimal comma is read with a point: "302,1<TAB>8<TAB>30" and
// "302,1 8 30" are a volume with a decimal comma, and the reading holds
// "302.1".
std::variant<std::vector<PastedReading>, PasteFailure>
ReadPastedTable(std::string_view text, DecimalMark mark = DecimalMark::Point);

// True when `text` holds a line break, so that a paste of it is a table
// rather than a value for one box.
bool HoldsLineBreak(std::string_view text);

// The message shown when a paste cannot be read; it quotes the line with
// its tabs shown as blanks, and ends with DecimalCommaHint when the cell
// that did not read uses a decimal comma.
std::string PasteFailureMessage(const PasteFailure& failure);

// The message shown when a field of line `line` is longer than its box
// takes.
std::string PasteTooWideMessage(int line, const std::string& field);

// The message shown when a paste holds more readings than rows are left
// below the focused row.
std::string PasteTooLongMessage(int firstRow, int readings, int rows);

} // namespace zephra
