#pragma once

#include "document/WineRec.h"

#include <string>
#include <vector>

namespace zephra {

// The two report panels of a wine window, as UTF-8 lines.
struct ReportLines {
    std::vector<std::string> Table;   // the data table panel
    std::vector<std::string> Summary; // the conditions and results panel
};

ReportLines FillLines(const TWineRec& rec);

// Where the table panel holds row 1 of the table; row i follows at
// FirstTableRowLine + i - 1. The lines before it are the conditions, the
// column heads and the starting row.
inline constexpr std::size_t FirstTableRowLine = 14;

} // namespace zephra
