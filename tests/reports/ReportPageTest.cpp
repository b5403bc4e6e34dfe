#include "reports/ReportPage.h"

#include "graphs/FakeTextMetrics.h"
#include "graphs/WineFixture.h"
#include "support/SampleWine.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

const ReportSource Source{"chardonnay.zph", "2026-03-14 09:05", "2026-03-15 10:00"};

TEST(ReportPageTest, HeaderNamesTheWineItsFileAndDates) {
    const ReportPage page = BuildReportPage(test::SampleWine(), Source, test::FakeTextMetrics());
    EXPECT_EQ(page.Kind, "ZEPHRA filterability report");
    EXPECT_EQ(page.Title, "Chardonnay 2024");
    EXPECT_EQ(page.HeaderLines,
              (std::vector<std::string>{"Filter: Membrane 0.65    Wine type: Normal",
                                        "File: chardonnay.zph    Modified: 2026-03-14 09:05",
                                        "Printed: 2026-03-15 10:00"}));
    EXPECT_EQ(ReportTitle({page, page}), "Filterability report: Chardonnay 2024, Chardonnay 2024");
}

TEST(ReportPageTest, TableKeepsTheCountedRowsAndMarksTheSkippedOnes) {
    TWineRec rec = test::SampleWine();
    // Rows 31 to 36 emptied: the table ends at row 30.
    for (int i = 30; i < 36; ++i) {
        rec.TableData[i].V.clear();
    }
    const ReportPage page = BuildReportPage(rec, Source, test::FakeTextMetrics());
    const std::vector<std::string>& t = page.TableLines;
    EXPECT_EQ(t.front(), "           Laboratory Conditions                  Full Scale Conditions");
    const auto row = [&t](const std::string& start) {
        for (const std::string& line : t) {
            if (line.starts_with(start)) {
                return line;
            }
        }
        return std::string();
    };
    EXPECT_EQ(row(" *   1"), " *   1     40.4     0 15    0.012     88.83    115.19     89.03");
    EXPECT_EQ(row("     2"), "     2     74.4     0 30    0.033    105.55    124.12    105.53");
    EXPECT_NE(row("    30"), "");
    EXPECT_EQ(row("    31"), "");
    EXPECT_EQ(t.back(), " * not used by the fouling fits");
    EXPECT_EQ(page.SummaryLines.front(), " Wine: Chardonnay 2024");
    EXPECT_EQ(page.SummaryLines.back(), " 1,709 gallons");
}

TEST(ReportPageTest, MetricPageShowsMetricPanelsAndCapacity) {
    const ReportPage page = BuildReportPage(test::SampleWine(), Source, test::FakeTextMetrics(), {},
                                            {UnitSystem::Metric, MetricFlowUnit::LitresPerHour});
    EXPECT_EQ(page.TableLines[2],
              "                   pressure: 2.07 bar         maximum pressure:  2.1 bar");
    EXPECT_EQ(page.SummaryLines.back(), " 64.7 hL");
    EXPECT_EQ(page.AnalysisLines[3], "Capacity at 10 % of J0: 91.8 hL");
}

// The sample is best described by cake filtration: no Vmax, and its own
// capacity, the throughput at 10 % of J0, on the production area.
TEST(ReportPageTest, AnalysisGivesTheBestLawVmaxAndCapacity) {
    const ReportPage page = BuildReportPage(test::SampleWine(), Source, test::FakeTextMetrics());
    EXPECT_EQ(page.AnalysisLines,
              (std::vector<std::string>{"Fouling analysis", "Best described by: cake filtration",
                                        "Vmax: \xE2\x80\x94", "Capacity at 10 % of J0: 2425 gal",
                                        "(constant pressure, no safety factor)"}));

    const ReportPage empty = BuildReportPage(TWineRec{}, Source, test::FakeTextMetrics());
    EXPECT_EQ(empty.AnalysisLines,
              (std::vector<std::string>{"Fouling analysis", "Best described by: not enough data",
                                        "Vmax: \xE2\x80\x94", "Capacity by Vmax: \xE2\x80\x94"}));
}

TEST(ReportPageTest, NoNoteWithoutSkippedRowsAndNoRowsWithoutData) {
    TWineRec rec = test::SampleWine();
    rec.Data.MinSkip.set(0);
    const ReportPage page = BuildReportPage(rec, Source, test::FakeTextMetrics());
    EXPECT_TRUE(page.TableLines.back().starts_with("    36"));

    const ReportPage empty = BuildReportPage(TWineRec{}, Source, test::FakeTextMetrics());
    EXPECT_EQ(empty.TableLines.back(), "     0");
}

TEST(ReportPageTest, BothGraphsAreDisplayListsOrSayWhyNot) {
    const ReportPage page = BuildReportPage(test::SampleWine(), Source, test::FakeTextMetrics());
    ASSERT_TRUE(page.LabGraph.Picture);
    ASSERT_TRUE(page.ProductionGraph.Picture);
    EXPECT_EQ(page.LabGraph.Picture->Width, 700);
    EXPECT_FALSE(page.LabGraph.Picture->Ops.empty());
    EXPECT_EQ(page.LabGraph.Caption, "Laboratory-scale graph");
    EXPECT_EQ(page.ProductionGraph.Caption, "Production-scale graph");

    // A flat power curve far above the data cannot be drawn on the
    // production scale; the page still holds everything else.
    test::WineFixture w = test::RisingWine();
    w.bP = "0.000";
    w.A = 500;
    const ReportPage faulty = BuildReportPage(w.Make(), Source, test::FakeTextMetrics());
    EXPECT_FALSE(faulty.ProductionGraph.Picture);
    EXPECT_FALSE(faulty.ProductionGraph.Fault.empty());
    EXPECT_FALSE(faulty.TableLines.empty());
}

TEST(ReportPageTest, NotesGiveTheFullNamesTheTrialStartAndTheComments) {
    WineNotes notes;
    notes.WineName = "Chardonnay 2024 Reserve Lot 7";
    notes.FilterName = "Membrane 0.65 \xC2\xB5m PES cartridge";
    notes.TrialStarted = "2026-05-14T09:31:07+02:00";
    notes.Comments = "Cold stabilised";
    const ReportPage page =
        BuildReportPage(test::SampleWine(), Source, test::FakeTextMetrics(), notes);
    EXPECT_EQ(page.Title, "Chardonnay 2024 Reserve Lot 7");
    EXPECT_EQ(
        page.HeaderLines,
        (std::vector<std::string>{
            "Filter: Membrane 0.65 \xC2\xB5m PES cartridge    Wine type: Normal",
            "Trial started: 2026-05-14 09:31", "File: chardonnay.zph    Modified: 2026-03-14 09:05",
            "Printed: 2026-03-15 10:00"}));
    EXPECT_EQ(page.Comments, "Cold stabilised");
    // The summary panel keeps the record's 16 characters.
    EXPECT_EQ(page.SummaryLines.front(), " Wine: Chardonnay 2024");
}

} // namespace
} // namespace zephra
