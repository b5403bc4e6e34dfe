#pragma once

#include "document/WineRec.h"

#include <string>
#include <vector>

namespace zephra {

// One wine in a comparison of many: its names, its points and its results
// as stored (UTF-8 texts without their padding).
struct WineSummary {
    std::string File;
    std::string Wine;
    std::string Filter;
    std::string Type; // "normal" or "dessert"
    int Points = 0;
    int Skipped = 0;
    std::string RmE, bE, rE;
    std::string RmP, a, bP, rP;
    std::string ExpectedVolE, ExpectedVolP; // US gallons
};

WineSummary SummarizeWine(const std::string& file, const TWineRec& rec);

// The column names, in the order of the fields above.
std::vector<std::string> SummaryColumns();

// The summaries as CSV: the header row, then one row per wine; the gallon
// estimates as plain numbers where they are numbers.
std::string SummaryCsvText(const std::vector<WineSummary>& wines);

// The summaries as lines of aligned columns: the header line, then one line
// per wine; texts on the left of their columns, numbers on the right.
std::vector<std::string> SummaryTextLines(const std::vector<WineSummary>& wines);

} // namespace zephra
