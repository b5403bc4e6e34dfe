#include "reports/ReportPage.h"

#include "analysis/FoulingAnalysis.h"
#include "analysis/FoulingAnalysisText.h"
#include "document/Report.h"
#include "entry/ShownQuantities.h"
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
        lines.push_back(" * not used by the fouling fits");
    }
    return WithoutOuterEmptyLines(lines);
}

std::vector<std::string> AnalysisLines(const TWineRec& rec, const DisplayUnits& units) {
    const FoulingAnalysis analysis = AnalyzeFouling(rec);
    std::vector<std::string> lines{
        "Fouling analysis", "Best described by: " + BestLawText(analysis),
        "Vmax: " + VmaxText(analysis), "Capacity by Vmax: " + CapacityText(analysis, units)};
    // The terms on a line of their own keep the lines within the column.
    if (analysis.ProductionCapacityGal) {
        lines.emplace_back(CapacityTerms);
    }
    return lines;
}

ReportGraph Graph(const TWineRec& rec, GraphScale scale, const TextMetrics& metrics) {
    ReportGraph graph;
    graph.Caption =
        scale == GraphScale::Laboratory ? "Laboratory-scale graph" : "Production-scale graph";
    try {
        graph.Picture = DrawGraphWindowPicture(rec, scale, {0, 0, 0}, metrics);
    } catch (const FloatingPointFault& fault) {
        graph.Fault = fault.what();
    }
    return graph;
}

} // namespace

std::string ReportTitle(const std::vector<ReportPage>& pages) {
    std::string title = "Filterability report: ";
    for (std::size_t i = 0; i < pages.size(); ++i) {
        title += (i == 0 ? "" : ", ") + pages[i].Title;
    }
    return title;
}

std::string PageNumberText(int page, int pages) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pages);
}

ReportPage BuildReportPage(const TWineRec& rec, const ReportSource& source,
                           const TextMetrics& metrics, const DisplayUnits& units) {
    const ReportLines panels = FillLines(rec, ShownQuantities(rec, units));
    ReportPage page;
    page.Kind = "ZEPHRA filterability report";
    page.Title = FieldText(rec.Conditions.WineName);
    page.HeaderLines = {"Filter: " + FieldText(rec.Conditions.FilterName) + "    Wine type: " +
                            (rec.Conditions.WineType.get() == 1 ? "Dessert" : "Normal"),
                        "File: " + source.FileName + "    Modified: " + source.Modified,
                        "Printed: " + source.Printed};
    page.TableLines = TableLines(rec, panels.Table);
    page.SummaryLines = WithoutOuterEmptyLines(panels.Summary);
    page.AnalysisLines = AnalysisLines(rec, units);
    page.LabGraph = Graph(rec, GraphScale::Laboratory, metrics);
    page.ProductionGraph = Graph(rec, GraphScale::Production, metrics);
    return page;
}

} // namespace zephra
