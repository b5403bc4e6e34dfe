#pragma once

#include "document/WineRec.h"
#include "entry/UnitSystem.h"

#include <optional>
#include <string>
#include <vector>

namespace zephra {

// One wine in a comparison of many: its full names, its points and its
// results as stored (UTF-8 texts without their padding).
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
    // From the fouling analysis: the best law's key ("standard"; empty when
    // no law is fitted), Vmax in L/m² and the production capacity by Vmax
    // in US gallons, when they can be computed.
    std::string BestLaw;
    bool Doubtful = false; // the analysis' verdict (FoulingVerdict)
    std::optional<double> Vmax;
    std::optional<double> CapacityGal;
};

// The summary of one wine, with the full names its notes keep.
WineSummary SummarizeWine(const std::string& file, const TWineRec& rec,
                          const WineNotes& notes = {});

// The column names, in the order of the fields above; the volumes' columns
// end in their unit, "_gal" (exp_gal, power_gal, production_capacity_gal),
// or "_hL" for the text table in metric `units`.
std::vector<std::string> SummaryColumns(const DisplayUnits& units = UsUnits);

// The summaries as CSV: the header row, then one row per wine; the gallon
// estimates as plain numbers where they are numbers, values that cannot be
// computed empty. The same columns and values whatever units the program
// shows: volumes in US gallons, as the record keeps them.
std::string SummaryCsvText(const std::vector<WineSummary>& wines);

// The summaries as lines of aligned columns: the header line, then one line
// per wine; texts on the left of their columns, numbers on the right, "—"
// for a value that cannot be computed, control characters in a name or file
// name shown as escapes ("\x1B"). Volumes in the volume unit of `units`.
std::vector<std::string> SummaryTextLines(const std::vector<WineSummary>& wines,
                                          const DisplayUnits& units = UsUnits);

} // namespace zephra
