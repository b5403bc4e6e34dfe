#pragma once

#include "analysis/IndexBands.h"
#include "document/WineNotes.h"
#include "document/WineRec.h"
#include "entry/UnitSystem.h"
#include "graphs/XyChart.h"
#include "reports/ReportResults.h"

#include <optional>
#include <string>
#include <vector>

namespace zephra {

// Where a printed wine comes from and when it is printed, as the page's
// header shows it (texts ready to print).
struct ReportSource {
    std::string FileName; // the file's name without its folder
    std::string Modified; // the file's modification time
    std::string Printed;  // the time of printing
};

// A graph of the page: its chart, drawn at the size the page gives it, or
// the reason it cannot be drawn.
struct ReportGraph {
    std::string Caption;
    std::optional<Chart> Drawing;
    std::string Fault;
};

// What one page of the lab report holds, in UTF-8 lines; the painter only
// places it. The table and summary lines are the wine window's panels: the
// table keeps its counted rows only, those not used by the fits marked
// with "*" and explained in a note below it. The results box above them
// answers first.
struct ReportPage {
    std::string Kind; // what the page is, beside the title
    // The wine's full name as the wine has it: the painter shows its control
    // characters as escapes, as every other line holds them already, and
    // the document's title (ReportTitle) leaves them out.
    std::string Title;
    std::vector<std::string> HeaderLines;  // filter, wine type, trial start, file, dates
    std::string Comments;                  // the wine's comments, below the header lines
    ReportResults Results;                 // index, Vmax, best law, capacities, verdict
    std::vector<std::string> TableLines;   // conditions and data table
    std::vector<std::string> SummaryLines; // fouling models and estimates
    ReportGraph LabGraph;
    ReportGraph ProductionGraph;
    ReportGraph FoulingGraph; // volume against time with the fitted laws
};

// The title of a report of these pages: "Filterability report: " and the
// wines' names.
std::string ReportTitle(const std::vector<ReportPage>& pages);

// The footer of page `page` (1-based) of a report of `pages` pages.
std::string PageNumberText(int page, int pages);

// The page of one wine, with the full names, the comments and the time the
// trial started from its notes, the index read with `limits`, its values in
// `units`.
ReportPage BuildReportPage(const TWineRec& rec, const ReportSource& source,
                           const WineNotes& notes = {}, const IndexBandLimits& limits = {},
                           const DisplayUnits& units = UsUnits);

} // namespace zephra
