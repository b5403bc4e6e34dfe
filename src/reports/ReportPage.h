#pragma once

#include "document/WineRec.h"
#include "entry/UnitSystem.h"
#include "graphs/DisplayList.h"
#include "graphs/TextMetrics.h"

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

// A graph of the page: its picture, or the reason it cannot be drawn.
struct ReportGraph {
    std::string Caption;
    std::optional<DisplayList> Picture;
    std::string Fault;
};

// What one page of the lab report holds, in UTF-8 lines; the painter only
// places it. The table and summary lines are the wine window's panels: the
// table keeps its counted rows only, those not used by the fits marked
// with "*" and explained in a note below it.
struct ReportPage {
    std::string Kind;                       // what the page is, beside the title
    std::string Title;                      // the wine's full name
    std::vector<std::string> HeaderLines;   // filter, wine type, trial start, file, dates
    std::string Comments;                   // the wine's comments, below the header lines
    std::vector<std::string> TableLines;    // conditions and data table
    std::vector<std::string> SummaryLines;  // fouling models and estimates
    std::vector<std::string> AnalysisLines; // best blocking law, Vmax, capacity
    ReportGraph LabGraph;
    ReportGraph ProductionGraph;
};

// The title of a report of these pages: "Filterability report: " and the
// wines' names.
std::string ReportTitle(const std::vector<ReportPage>& pages);

// The footer of page `page` (1-based) of a report of `pages` pages.
std::string PageNumberText(int page, int pages);

// The page of one wine, with the full names, the comments and the time the
// trial started from its notes, its values in `units`. `metrics` measures
// text in the graphs' font.
ReportPage BuildReportPage(const TWineRec& rec, const ReportSource& source,
                           const TextMetrics& metrics, const WineNotes& notes = {},
                           const DisplayUnits& units = UsUnits);

} // namespace zephra
