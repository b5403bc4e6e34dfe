#include "reports/ReportPage.h"

#include "analysis/Calculate.h"
#include "analysis/FoulingAnalysis.h"
#include "document/Report.h"
#include "document/TextCatalog.h"
#include "entry/ControlCharacters.h"
#include "entry/ShownQuantities.h"
#include "graphs/FloatingPointFault.h"
#include "graphs/WineCharts.h"
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

// "2026-05-14T09:31:07+02:00" as the other dates of the page show a time,
// "2026-05-14 09:31"; any other text as it is.
std::string TrialStartShown(const std::string& text) {
    if (text.size() < 16 || text[10] != 'T') {
        return text;
    }
    return text.substr(0, 10) + " " + text.substr(11, 5);
}

// Control characters from a damaged or foreign wine shown as escapes, as
// the text outputs show them: a painter would draw them as boxes or break
// a line at them. The title stays as the wine has it (see ReportPage).
void ShowControlCharacters(ReportPage& page) {
    const auto visible = [](std::string& text) { text = VisibleControlCharacters(text); };
    visible(page.Comments);
    for (std::vector<std::string>* lines :
         {&page.HeaderLines, &page.TableLines, &page.SummaryLines}) {
        for (std::string& line : *lines) {
            visible(line);
        }
    }
}

// The graph of `draw`'s chart, or why it cannot be drawn.
template <typename DrawChart> ReportGraph Graph(std::string caption, DrawChart draw) {
    ReportGraph graph;
    graph.Caption = std::move(caption);
    try {
        graph.Drawing = draw();
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

ReportPage BuildReportPage(const TWineRec& rec, const ReportSource& source, const WineNotes& notes,
                           const IndexBandLimits& limits, const DisplayUnits& units) {
    const ReportLines panels = FillLines(rec, ShownQuantities(rec, units, LabResultsOf(rec)));
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
    const FoulingAnalysis analysis = AnalyzeWineFouling(rec, notes);
    ShowControlCharacters(page);
    page.Results = BuildReportResults(rec, analysis, limits, units);
    page.LabGraph = Graph(CoreText("ReportPage", "Laboratory-scale graph"),
                          [&rec] { return ResistanceChart(rec, GraphScale::Laboratory); });
    page.ProductionGraph = Graph(CoreText("ReportPage", "Production-scale graph"),
                                 [&rec] { return ResistanceChart(rec, GraphScale::Production); });
    page.FoulingGraph = Graph(CoreText("ReportPage", "Fouling analysis"),
                              [&analysis] { return FoulingChart(analysis); });
    return page;
}

} // namespace zephra
