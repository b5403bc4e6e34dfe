#pragma once

#include "analysis/FoulingAnalysis.h"
#include "analysis/IndexBands.h"
#include "document/WineRec.h"
#include "entry/UnitSystem.h"

#include <string>
#include <utility>
#include <vector>

namespace zephra {

// The results box at the top of the lab report page: the answers a
// laboratory reads first, each a label and its value (UTF-8), a one-line
// verdict and a note on the conditions the index is read for.
struct ReportResults {
    std::vector<std::pair<std::string, std::string>> Items;
    std::string Verdict;
    std::string Note;
};

// The results of a wine: the filterability index with its reading band
// (only at standard conditions), Vmax with its interval and lower bound
// where the standard law describes the trial, the best law, the capacities
// by both fouling models and by the best law, and the verdict.
// Volumes are in the volume unit of `units`.
ReportResults BuildReportResults(const TWineRec& rec, const FoulingAnalysis& analysis,
                                 const IndexBandLimits& limits,
                                 const DisplayUnits& units = UsUnits);

} // namespace zephra
