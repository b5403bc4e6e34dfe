#pragma once

#include "document/WineRec.h"
#include "entry/DataCheck.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zephra {

// The names of the data table's columns in exported CSV, in order.
inline constexpr const char* DataCsvColumns[] = {"row",       "volume_ml", "minutes", "seconds",
                                                 "elapsed_s", "va_m",      "r",       "rexp",
                                                 "rpower",    "skipped"};

// The counted rows of a wine as CSV: the header row, then one row per point
// with the cells as the table shows them, the elapsed time in seconds and
// skipped as 0 or 1.
std::string DataCsvText(const TWineRec& rec);

// One data point as read from CSV: the texts for the data dialog's boxes.
struct CsvPoint {
    std::string Volume;
    std::string Minutes;
    std::string Seconds;
};

struct DataPointsRead {
    std::vector<CsvPoint> Points;
    std::optional<std::string> Error; // what is wrong
    int ErrorLine = 0;                // on which line of the text
};

// Reads data points from CSV. With a header row (the first record that is
// not empty or a "#" comment, naming a volume column) the columns
// "volume_ml" (or "volume"), "minutes" and "seconds" are taken by name,
// whatever else the rows hold; without one every record is
// "VOLUME,MINUTES,SECONDS". Blanks around a value are ignored; empty
// records and records starting with "#" are skipped, and so is a UTF-8 byte
// order mark at the start. More than
// `maxPoints` points is an error.
DataPointsRead ReadDataPointsCsv(std::string_view text, int maxPoints);

// Reads a whole data set from CSV into the boxes of `form`, as
// `edit-data --csv` takes it: the points fill rows 1 on, the rows after them
// become empty. A text without a data point is an error ("no data points
// were read", ErrorLine 0). On an error the form is left as it was.
DataPointsRead ReadDataCsv(std::string_view text, DataForm& form);

} // namespace zephra
