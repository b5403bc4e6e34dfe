#pragma once

#include "document/WineRec.h"

#include <string>
#include <vector>

namespace zephra {

// One counted row of the report table: the rows the graphs plot, as the
// table panel shows them (cell texts in UTF-8, without their padding).
struct CountedRow {
    int Number = 0; // 1..36
    std::string Volume;
    std::string Minutes;
    std::string Seconds;
    double ElapsedSeconds = 0; // minutes x 60 + seconds
    std::string VA;
    std::string R;
    std::string Rexp;
    std::string Rpower;
    bool Skipped = false; // drawn as not used by the fits
};

// The rows of the table that hold points: none when row 1 has no volume,
// otherwise the rows the graphs read, with the leading ones the graphs draw
// as not used marked Skipped.
std::vector<CountedRow> CountedRows(const TWineRec& rec);

} // namespace zephra
