#include "reports/ReportPage.h"

#include "analysis/FoulingAnalysis.h"
#include "analysis/FoulingAnalysisText.h"
#include "document/Report.h"
#include "document/TextCatalog.h"
#include "graphs/FloatingPointFault.h"
#include "graphs/GraphWindowPicture.h"
#include "reports/CountedRows.h"
#include "reports/FieldText.h"

namespace zephra {

namespace {

constexpr std::size_t SkipMarkColumn = 1;

// The panel's lines without the empty lines around them.
std::vector<std::string> WithoutOuterEmptyLines(std::vector<std::string> lines) {
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    std::size_t first = 0;
    while (first < lines.size() && lines[first].empty()) {
        ++first;
    }
    lines.erase(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(first));
    return lines;
}

std::vector<std::string> TableLines(const TWineRec& rec, const std::vector<std::string>& panel) {
    std::vector<std::string> lines(panel.begin(),
                                   panel.begin() + static_cast<std::ptrdiff_t>(FirstTableRowLine));
    bool anySkipped = false;
    for (const CountedRow& row : CountedRows(rec)) {
        std::string line = panel[FirstTableRowLine + static_cast<std::size_t>(row.Number) - 1];
        if (row.Skipped) {
            line[SkipMarkColumn] = '*';
            anySkipped = true;
        }
        lines.push_back(line);
    }
    if (anySkipped) {
        lines.emplace_back();
        lines.push_back(" * " + CoreText("ReportPage", "not used by the fouling fits"));
    }
    return WithoutOuterEmptyLines(lines);
}

std::vector<std::string> AnalysisLines(const TWineRec& rec) {
    const FoulingAnalysis analysis = AnalyzeFouling(rec);
    std::vector<std::string> lines{CoreText("ReportPage", "Fouling analysis"),
                                   CoreText("ReportPage", "Best described by: ") +
                                       CoreText("FoulingAnalysis", BestLawText(analysis).c_str()),
                                   "Vmax: " + VmaxText(analysis)};
    if (analysis.Best && !analysis.Vmax) {
        // Without Vmax the best law's own capacity stands in its place.
        const std::string basis =
            CapacityAtTerminalFlux(*analysis.Best)
                ? " at " + ShortNumberText(100 * analysis.TerminalFluxShare, 3) + " % of J0"
                : " (limit J0/Kb)";
        lines.push_back(CoreText("ReportPage", "Capacity") + basis + ": " +
                        BestCapacityText(analysis));
    } else {
        lines.push_back(CoreText("ReportPage", "Capacity by Vmax: ") + CapacityText(analysis));
    }
    // The terms on a line of their own keep the lines within the column.
    if (analysis.BestProductionCapacityGal) {
        lines.emplace_back(CapacityTerms);
    }
    return lines;
}

// "2026-05-14T09:31:07+02:00" as the other dates of the page show a time,
// "2026-05-14 09:31"; any other text as it is.
std::string TrialStartShown(const std::string& text) {
    if (text.size() < 16 || text[10] != 'T') {
        return text;
    }
    return text.substr(0, 10) + " " + text.substr(11, 5);
}

ReportGraph Graph(const TWineRec& rec, GraphScale scale, const TextMetrics& metrics) {
    ReportGraph graph;
    graph.Caption = scale == GraphScale::Laboratory
                        ? CoreText("ReportPage", "Laboratory-scale graph")
                        : CoreText("ReportPage", "Production-scale graph");
    try {
        graph.Picture = DrawGraphWindowPicture(rec, scale, {0, 0, 0}, metrics);
    } catch (const FloatingPointFault& fault) {
        graph.Fault = fault.what();
    }
    return graph;
}

} // namespace

std::string ReportTitle(const std::vector<ReportPage>& pages) {
    std::string title = CoreText("ReportPage", "Filterability report: ");
    for (std::size_t i = 0; i < pages.size(); ++i) {
        title += (i == 0 ? "" : ", ") + pages[i].Title;
    }
    return title;
}

std::string PageNumberText(int page, int pages) {
    return FilledIn(CoreText("ReportPage", "Page %1 of %2"),
                    {std::to_string(page), std::to_string(pages)});
}

ReportPage BuildReportPage(const TWineRec& rec, const ReportSource& source,
                           const TextMetrics& metrics, const WineNotes& notes) {
    const ReportLines panels = FillLines(rec);
    ReportPage page;
    page.Kind = CoreText("ReportPage", "ZEPHRA filterability report");
    page.Title = std::string(TrimBlanks(FullWineName(rec, notes)));
    page.HeaderLines = {CoreText("ReportPage", "Filter: ") +
                        std::string(TrimBlanks(FullFilterName(rec, notes))) + "    " +
                        CoreText("ReportPage", "Wine type: ") +
                        (rec.Conditions.WineType.get() == 1 ? CoreText("ReportPage", "Dessert")
                                                            : CoreText("ReportPage", "Normal"))};
    if (!notes.TrialStarted.empty()) {
        page.HeaderLines.push_back(CoreText("ReportPage", "Trial started: ") +
                                   TrialStartShown(notes.TrialStarted));
    }
    page.HeaderLines.push_back(CoreText("ReportPage", "File: ") + source.FileName + "    " +
                               CoreText("ReportPage", "Modified: ") + source.Modified);
    page.HeaderLines.push_back(CoreText("ReportPage", "Printed: ") + source.Printed);
    page.Comments = notes.Comments;
    page.TableLines = TableLines(rec, panels.Table);
    page.SummaryLines = WithoutOuterEmptyLines(panels.Summary);
    page.AnalysisLines = AnalysisLines(rec);
    page.LabGraph = Graph(rec, GraphScale::Laboratory, metrics);
    page.ProductionGraph = Graph(rec, GraphScale::Production, metrics);
    return page;
}

} // namespace zephra
