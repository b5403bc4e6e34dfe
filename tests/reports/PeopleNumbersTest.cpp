// The numbers of the page and of the comparison as people read them: in the
// marks of their locale, with a group mark that cannot be taken for the
// decimal mark.

#include "document/NumberMarks.h"
#include "entry/FixedText.h"
#include "entry/ShownQuantities.h"
#include "reports/ReportPage.h"
#include "reports/TrialComparison.h"
#include "support/SampleWine.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

const ReportSource Source{"chardonnay.zph", "2026-03-14 09:05", "2026-03-15 10:00"};
const DisplayUnits Metric{UnitSystem::Metric, MetricFlowUnit::LitresPerHour};
const std::string Nnbsp(NarrowNoBreakSpace);

// The five languages' locales write the decimal comma and group with a
// point or a space: all of them show the same marks.
struct LocaleMarks {
    const char* locale;
    NumberMarks marks;
};
const LocaleMarks DecimalCommaLocales[] = {
    {"fr_FR", LocaleNumberMarks(",", "\xE2\x80\xAF")},
    {"it_IT", LocaleNumberMarks(",", ".")},
    {"es_ES", LocaleNumberMarks(",", ".")},
    {"de_DE", LocaleNumberMarks(",", ".")},
    {"pt_PT", LocaleNumberMarks(",", "\xC2\xA0")},
};

class PeopleNumbersTest : public ::testing::Test {
protected:
    void TearDown() override { UseNumberMarks(std::nullopt); }
};

TEST_F(PeopleNumbersTest, ResultsBoxInTheDecimalCommaLocales) {
    for (const LocaleMarks& l : DecimalCommaLocales) {
        UseNumberMarks(l.marks);
        const ReportResults us = BuildReportPage(test::SampleWine(), Source).Results;
        EXPECT_TRUE(us.Items[0].second.starts_with("75,4 s")) << l.locale << us.Items[0].second;
        EXPECT_EQ(us.Items[3].second, "exponential model 1" + Nnbsp + "709 gal, power model 3" +
                                          Nnbsp + "453 gal (production filter)")
            << l.locale;
        EXPECT_TRUE(us.Items[4].second.starts_with("2" + Nnbsp +
                                                   "425 gal = 918,0 L/m\xC2\xB2, at least 914,6"))
            << l.locale << us.Items[4].second;
        EXPECT_NE(us.Note.find("0,65 \xC2\xB5m"), std::string::npos) << us.Note;

        const ReportResults metric =
            BuildReportPage(test::SampleWine(), Source, {}, {}, Metric).Results;
        EXPECT_EQ(metric.Items[3].second,
                  "exponential model 64,7 hL, power model 131 hL (production filter)")
            << l.locale;
        EXPECT_NE(metric.Note.find("2 \xC2\xB1 0,07 bar"), std::string::npos) << metric.Note;
        EXPECT_EQ(metric.Note.find("0."), std::string::npos) << metric.Note;
    }
}

// In English the page reads as it always has, but that the analysis's
// volumes group their thousands like the record's estimates.
TEST_F(PeopleNumbersTest, EnglishPageKeepsItsTexts) {
    const ReportPage before = BuildReportPage(test::SampleWine(), Source);
    UseNumberMarks(LocaleNumberMarks(".", ","));
    const ReportPage english = BuildReportPage(test::SampleWine(), Source);
    EXPECT_EQ(english.TableLines, before.TableLines);
    EXPECT_EQ(english.SummaryLines, before.SummaryLines);
    EXPECT_EQ(english.Results.Note, before.Results.Note);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(english.Results.Items[i], before.Results.Items[i]);
    }
    EXPECT_TRUE(english.Results.Items[4].second.starts_with("2,425 gal = 918.0 L/m\xC2\xB2"))
        << english.Results.Items[4].second;
}

// Large estimates in hectolitres and the analysis's capacities are grouped
// by the narrow no-break space, never by a comma that reads as a decimal.
TEST_F(PeopleNumbersTest, LargeVolumesAreGroupedWithTheNarrowSpace) {
    for (const LocaleMarks& l : DecimalCommaLocales) {
        UseNumberMarks(l.marks);
        const double hectolitres = 23800000 * VolumeFactor(Metric);
        EXPECT_EQ(ShownEstimate("23,800,000", Metric),
                  InMarks(FixedText(hectolitres, 0, 0), l.marks));
        EXPECT_EQ(ShownEstimate("23.800.000", Metric), ShownEstimate("23,800,000", Metric));
        EXPECT_EQ(ShownEstimate("3,453", UsUnits), "3" + Nnbsp + "453");
        EXPECT_EQ(ShownEstimate("over 1,000,000,000,000", UsUnits),
                  "over 1" + Nnbsp + "000" + Nnbsp + "000" + Nnbsp + "000" + Nnbsp + "000");
        EXPECT_EQ(ShownVolume(857142, Metric),
                  InMarks(FixedText(857142 * VolumeFactor(Metric), 0, 0), l.marks));
        EXPECT_NE(ShownVolume(857142, Metric).find(Nnbsp), std::string::npos);
        EXPECT_EQ(ShownVolume(523, Metric), "19,8");
        // The panels' estimates as well.
        const ReportQuantities panels = ShownQuantities(test::SampleWine(), UsUnits);
        EXPECT_EQ(panels.ExpectedVolP, "3" + Nnbsp + "453");
    }
}

// The comparison's table shows the same figures as the fouling window and
// the page: "75,4" in every place.
TEST_F(PeopleNumbersTest, ComparisonTableInTheDecimalCommaLocales) {
    for (const LocaleMarks& l : DecimalCommaLocales) {
        UseNumberMarks(l.marks);
        const std::vector<ComparisonRow> rows{
            ComparisonRowOf(test::SampleWine(), {}, "chardonnay.zph")};
        const std::vector<std::vector<std::string>> table = ComparisonTableRows(rows);
        EXPECT_EQ(table.at(1).at(4), "75,4") << l.locale;
        // The exports keep the point.
        const std::string csv = ComparisonCsv(rows);
        EXPECT_NE(csv.find(",75.4"), std::string::npos) << csv;
        EXPECT_EQ(csv.find(Nnbsp), std::string::npos) << csv;
        EXPECT_NEAR(ComparisonJson(rows)[0]["fi_s"].get<double>(), 75.4, 0.05);
    }
}

} // namespace
} // namespace zephra
