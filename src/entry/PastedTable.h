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

// The line (1 = first line of the pasted text) that could not be read, and
// the text of that line.
struct PasteFailure {
    int Line;
    std::string Text;
};

// Splits `text` into lines (LF, CR LF or CR) and each line into fields
// separated by tabs, commas, semicolons or blanks. A line is either
// "volume minutes seconds" or "volume m:ss"; every field must be a number.
// Blank lines are skipped, and so is a first line without any number above
// readings (a header such as "Volume (ml)<TAB>min<TAB>sec"). Returns the
// readings in order, or the first line that is not a reading.
//
// With DecimalMark::Comma a comma never separates fields: "302,1<TAB>8<TAB>30"
// is a volume with a decimal comma, and the reading holds "302.1".
std::variant<std::vector<PastedReading>, PasteFailure>
ReadPastedTable(std::string_view text, DecimalMark mark = DecimalMark::Point);

// True when `text` holds a line break, so that a paste of it is a table
// rather than a value for one box.
bool HoldsLineBreak(std::string_view text);

// The message shown when a paste cannot be read; it quotes the line with
// its tabs shown as blanks.
std::string PasteFailureMessage(const PasteFailure& failure);

// The message shown when a field of line `line` is longer than its box
// takes.
std::string PasteTooWideMessage(int line, const std::string& field);

// The message shown when a paste holds more readings than rows are left
// below the focused row.
std::string PasteTooLongMessage(int firstRow, int readings, int rows);

} // namespace zephra
