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

} // namespace zephra
