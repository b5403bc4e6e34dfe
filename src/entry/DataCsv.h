#pragma once

#include "entry/DataCheck.h"

#include <istream>
#include <optional>
#include <string>

namespace zephra {

// What is wrong with a data set read as CSV: the line (from 1) and why.
struct DataCsvError {
    int Line;
    std::string Message;
};

// Reads a whole data set into the boxes of `form`: one point per line,
// "VOLUME,MINUTES,SECONDS" as typed into the boxes, point 1 first, at most
// 36 points. Blanks, tabs and CRs around a value are dropped; empty lines and
// lines starting with '#' are skipped. Rows after the last point become
// empty. The texts are not checked here (DataRangeCheck does that).
std::optional<DataCsvError> ReadDataCsv(std::istream& in, DataForm& form);

} // namespace zephra
