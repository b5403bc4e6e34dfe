#include "reports/ReportPage.h"

#include "entry/ControlCharacters.h"
#include "graphs/WineFixture.h"
#include "support/SampleWine.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

const ReportSource Source{"chardonnay.zph", "2026-03-14 09:05", "2026-03-15 10:00"};

TEST(ReportPageTest, HeaderNamesTheWineItsFileAndDates) {
    const ReportPage page = BuildReportPage(test::SampleWine(), Source);
    EXPECT_EQ(page.Kind, "ZEPHRA filterability report");
    EXPECT_EQ(page.Title, "Chardonnay 2024");
    EXPECT_EQ(page.HeaderLines,
              (std::vector<std::string>{"Filter: Membrane 0.65    Wine type: Normal",
                                        "File: chardonnay.zph    Modified: 2026-03-14 09:05",
                                        "Printed: 2026-03-15 10:00"}));
    EXPECT_EQ(ReportTitle({page, page}), "Filterability report: Chardonnay 2024, Chardonnay 2024");
}

// Control characters of a damaged or foreign wine are drawn as the text
// outputs show them, as escapes: in the title, the header, the comments,
// and the panels. The title is left to the painter.
TEST(ReportPageTest, ControlCharactersAreShownAsEscapes) {
    TWineRec rec = test::SampleWine();
    rec.Conditions.WineName.assign("Red\x1B[2J");
    rec.Conditions.FilterName.assign("F\n1");
    WineNotes notes;
    notes.Comments = "lot\t7";
    const ReportPage page = BuildReportPage(rec, Source, notes);
    EXPECT_EQ(page.Title, "Red\x1B[2J"); // the painter shows it with escapes
    EXPECT_EQ(page.HeaderLines.at(0), "Filter: F\\x0A1    Wine type: Normal");
    EXPECT_EQ(page.Comments, "lot\\x097");
    EXPECT_EQ(page.SummaryLines.front(), " Wine: Red\\x1B[2J");
    std::vector<std::string> texts{page.Comments};
    for (const auto* lines : {&page.HeaderLines, &page.TableLines, &page.SummaryLines}) {
        texts.insert(texts.end(), lines->begin(), lines->end());
    }
    for (const std::string& text : texts) {
        EXPECT_FALSE(HoldsControlCharacter(text)) << text;
    }
}

TEST(ReportPageTest, TableKeepsTheCountedRowsAndMarksTheSkippedOnes) {
    TWineRec rec = test::SampleWine();
    // Rows 31 to 36 emptied: the table ends at row 30.
    for (int i = 30; i < 36; ++i) {
        rec.TableData[i].V.clear();
    }
    const ReportPage page = BuildReportPage(rec, Source);
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

// The sample is best described by cake filtration at non-standard
// conditions (a 47 mm filter): no Vmax, the index not read in bands, and
// its own capacity, the throughput at 10 % of J0.
TEST(ReportPageTest, ResultsGiveTheIndexVmaxBestLawCapacitiesAndVerdict) {
    const ReportPage page = BuildReportPage(test::SampleWine(), Source);
    const auto& items = page.Results.Items;
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0], (std::pair<std::string, std::string>{
                            "Filterability index",
                            "75.4 s \xE2\x80\x94 non-standard conditions, not comparable"}));
    EXPECT_EQ(items[1].second, "\xE2\x80\x94 (the standard law does not describe this trial)");
    EXPECT_EQ(items[2].second, "cake filtration");
    EXPECT_EQ(items[3].second,
              "exponential model 1,709 gal, power model 3,453 gal (production filter)");
    EXPECT_TRUE(items[4].second.starts_with("2425 gal = 918.0 L/m\xC2\xB2, at least 914.6 L/m"))
        << items[4].second;
    EXPECT_NE(items[4].second.find("the throughput at 10 % of J0"), std::string::npos);
    EXPECT_EQ(page.Results.Verdict,
              "Index not comparable at these conditions: judge by the capacity.");
    EXPECT_NE(page.Results.Note.find("0.65 \xC2\xB5m is assumed"), std::string::npos);
}

TEST(ReportPageTest, MetricPageShowsMetricPanelsAndCapacity) {
    const ReportPage page = BuildReportPage(test::SampleWine(), Source, {}, {},
                                            {UnitSystem::Metric, MetricFlowUnit::LitresPerHour});
    EXPECT_EQ(page.TableLines[2],
              "                   pressure: 2.07 bar         maximum pressure:  2.1 bar");
    EXPECT_EQ(page.SummaryLines.back(), " 64.7 hL");
    EXPECT_EQ(page.Results.Items[3].second,
              "exponential model 64.7 hL, power model 131 hL (production filter)");
    EXPECT_TRUE(page.Results.Items[4].second.starts_with("91.8 hL = 918.0 L/m\xC2\xB2"))
        << page.Results.Items[4].second;

    const ReportPage empty = BuildReportPage(TWineRec{}, Source);
    EXPECT_EQ(empty.Results.Items[2].second, "not enough data");
    EXPECT_EQ(empty.Results.Verdict, "Not enough data for a verdict: run the trial longer.");
}

TEST(ReportPageTest, NoNoteWithoutSkippedRowsAndNoRowsWithoutData) {
    TWineRec rec = test::SampleWine();
    rec.Data.MinSkip.set(0);
    const ReportPage page = BuildReportPage(rec, Source);
    EXPECT_TRUE(page.TableLines.back().starts_with("    36"));

    const ReportPage empty = BuildReportPage(TWineRec{}, Source);
    EXPECT_EQ(empty.TableLines.back(), "     0");
}

TEST(ReportPageTest, ThreeChartsOrWhyNot) {
    const ReportPage page = BuildReportPage(test::SampleWine(), Source);
    ASSERT_TRUE(page.LabGraph.Drawing);
    ASSERT_TRUE(page.ProductionGraph.Drawing);
    ASSERT_TRUE(page.FoulingGraph.Drawing);
    EXPECT_EQ(page.LabGraph.Caption, "Laboratory-scale graph");
    EXPECT_EQ(page.ProductionGraph.Caption, "Production-scale graph");
    EXPECT_EQ(page.FoulingGraph.Caption, "Fouling analysis");
    EXPECT_EQ(page.FoulingGraph.Drawing->XTitle, "t (min)");
    // Four fitted laws, the used and the skipped points.
    EXPECT_EQ(page.FoulingGraph.Drawing->Series.size(), 6u);

    // A flat power curve far above the data cannot be drawn on the
    // production scale; the page still holds everything else.
    test::WineFixture w = test::RisingWine();
    w.bP = "0.000";
    w.A = 500;
    const ReportPage faulty = BuildReportPage(w.Make(), Source);
    EXPECT_FALSE(faulty.ProductionGraph.Drawing);
    EXPECT_FALSE(faulty.ProductionGraph.Fault.empty());
    EXPECT_FALSE(faulty.TableLines.empty());
}

TEST(ReportPageTest, NotesGiveTheFullNamesTheTrialStartAndTheComments) {
    WineNotes notes;
    notes.WineName = "Chardonnay 2024 Reserve Lot 7";
    notes.FilterName = "Membrane 0.65 \xC2\xB5m PES cartridge";
    notes.TrialStarted = "2026-05-14T09:31:07+02:00";
    notes.Comments = "Cold stabilised";
    const ReportPage page = BuildReportPage(test::SampleWine(), Source, notes);
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
