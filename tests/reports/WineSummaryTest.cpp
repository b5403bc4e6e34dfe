#include "reports/WineSummary.h"

#include "analysis/FoulingAnalysis.h"
#include "reports/Csv.h"
#include "support/SampleWine.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

namespace zephra {
namespace {

using Fields = std::vector<std::string>;

std::vector<WineSummary> TwoWines() {
    TWineRec accented = test::SampleWine();
    accented.Conditions.WineName.assign("Ros\xE9 \xE9t\xE9");
    accented.Conditions.WineType.set(1);
    accented.ExpectedVolE.assign("over 1,000,000,000,000");
    return {SummarizeWine("chardonnay.zph", test::SampleWine()),
            SummarizeWine("rose.zph", accented)};
}

TEST(WineSummaryTest, SummarizesNamesPointsAndResults) {
    const WineSummary w = SummarizeWine("chardonnay.zph", test::SampleWine());
    EXPECT_EQ(w.Wine, "Chardonnay 2024");
    EXPECT_EQ(w.Filter, "Membrane 0.65");
    EXPECT_EQ(w.Type, "normal");
    EXPECT_EQ(w.Points, 36);
    EXPECT_EQ(w.Skipped, 1);
    EXPECT_EQ((Fields{w.RmE, w.bE, w.rE, w.RmP, w.a, w.bP, w.rP, w.ExpectedVolE, w.ExpectedVolP}),
              (Fields{"110.38", "3.557", "0.987", "79.58", "783.348", "0.999", "1.000", "1,709",
                      "3,453"}));
}

TEST(WineSummaryTest, MetricTextGivesHectolitres) {
    constexpr DisplayUnits Metric{UnitSystem::Metric, MetricFlowUnit::LitresPerHour};
    const std::vector<std::string> header = SummaryColumns(Metric);
    EXPECT_EQ(Fields(header.begin() + 13, header.begin() + 15), (Fields{"exp_hL", "power_hL"}));
    EXPECT_EQ(header.back(), "production_capacity_hL");
    const std::vector<std::string> lines = SummaryTextLines(TwoWines(), Metric);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find("exp_hL"), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("  64.7  "), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("  131  "), std::string::npos) << lines[1];
    EXPECT_TRUE(lines[1].ends_with("  \xE2\x80\x94")) << lines[1];
}

TEST(WineSummaryTest, CsvHasAHeaderAndPlainGallons) {
    const CsvReadResult csv = ReadCsv(SummaryCsvText(TwoWines()));
    ASSERT_FALSE(csv.Error);
    ASSERT_EQ(csv.Rows.size(), 3u);
    EXPECT_EQ(csv.Rows[0].Fields, SummaryColumns());
    EXPECT_EQ(
        csv.Rows[1].Fields,
        (Fields{"chardonnay.zph", "Chardonnay 2024", "Membrane 0.65", "normal", "36", "1", "110.38",
                "3.557", "0.987", "79.58", "783.348", "0.999", "1.000", "1709", "3453",
                csv.Rows[1].Fields[15], csv.Rows[1].Fields[16], csv.Rows[1].Fields[17]}));
    // The sample is best described by cake filtration: it has no Vmax, and
    // no capacity by Vmax.
    const FoulingAnalysis analysis = AnalyzeFouling(test::SampleWine());
    EXPECT_FALSE(analysis.Vmax.has_value());
    EXPECT_EQ(csv.Rows[1].Fields[15], "cake");
    EXPECT_EQ(csv.Rows[1].Fields[16], "");
    EXPECT_EQ(csv.Rows[1].Fields[17], "");
    EXPECT_EQ(csv.Rows[2].Fields[1], "Ros\xC3\xA9 \xC3\xA9t\xC3\xA9");
    EXPECT_EQ(csv.Rows[2].Fields[3], "dessert");
    EXPECT_EQ(csv.Rows[2].Fields[13], "over 1,000,000,000,000");
}

// Characters before byte `byte` of a UTF-8 line.
std::size_t CharactersBefore(const std::string& line, std::size_t byte) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < byte; ++i) {
        characters += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80 ? 1 : 0;
    }
    return characters;
}

TEST(WineSummaryTest, TextColumnsLineUpWithAccentedNames) {
    const std::vector<std::string> lines = SummaryTextLines(TwoWines());
    ASSERT_EQ(lines.size(), 3u);
    const std::size_t filter = CharactersBefore(lines[0], lines[0].find("filter"));
    EXPECT_EQ(CharactersBefore(lines[1], lines[1].find("Membrane")), filter);
    EXPECT_EQ(CharactersBefore(lines[2], lines[2].find("Membrane")), filter);
    // Numbers stand on the right of their columns: every line ends at the
    // same character, the last column's.
    EXPECT_EQ(CharactersBefore(lines[1], lines[1].size()),
              CharactersBefore(lines[0], lines[0].size()));
    EXPECT_EQ(CharactersBefore(lines[2], lines[2].size()),
              CharactersBefore(lines[0], lines[0].size()));
    EXPECT_NE(lines[2].find("  over 1,000,000,000,000      3,453"), std::string::npos) << lines[2];
    // The sample's cake filtration has no Vmax: dashes, on the right too.
    EXPECT_NE(lines[1].find("  3,453  cake                  \xE2\x80\x94                        "
                            "\xE2\x80\x94"),
              std::string::npos)
        << lines[1];
}

TEST(WineSummaryTest, AnalysisThatCannotBeComputedIsEmptyInCsvAndADashInText) {
    const std::vector<WineSummary> wines{SummarizeWine("new.zph", TWineRec{})};
    const CsvReadResult csv = ReadCsv(SummaryCsvText(wines));
    ASSERT_EQ(csv.Rows.size(), 2u);
    EXPECT_EQ((Fields(csv.Rows[1].Fields.end() - 3, csv.Rows[1].Fields.end())),
              (Fields{"", "", ""}));
    const std::vector<std::string> lines = SummaryTextLines(wines);
    std::istringstream words(lines[1]);
    const Fields shown{std::istream_iterator<std::string>(words), {}};
    EXPECT_EQ((Fields(shown.end() - 3, shown.end())),
              (Fields{"\xE2\x80\x94", "\xE2\x80\x94", "\xE2\x80\x94"}));
}

TEST(WineSummaryTest, NamesAreTheFullNamesOfTheNotes) {
    WineNotes notes;
    notes.WineName = "Chardonnay 2024 Reserve Lot 7";
    const WineSummary w = SummarizeWine("chardonnay.zph", test::SampleWine(), notes);
    EXPECT_EQ(w.Wine, "Chardonnay 2024 Reserve Lot 7");
    EXPECT_EQ(w.Filter, "Membrane 0.65");
}

} // namespace
} // namespace zephra
