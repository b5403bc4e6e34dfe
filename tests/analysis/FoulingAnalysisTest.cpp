#include "analysis/FoulingAnalysis.h"

#include "AnalysisTestSupport.h"
#include "LawTrials.h"
#include "analysis/FoulingAnalysisJson.h"
#include "analysis/FoulingAnalysisText.h"
#include "entry/AlignedLines.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zephra {
namespace {

using test::LawWine;
using test::MakeWine;
using test::ReadingsEvery;
using test::TypicalParameters;

// No text or number of the analysis shows a NaN or an infinity.
void ExpectNothingNotFinite(const FoulingAnalysis& a, const TWineRec& rec) {
    const std::string json = FoulingAnalysisJson(a).dump();
    EXPECT_EQ(json.find("nan"), std::string::npos) << json;
    EXPECT_EQ(json.find("inf"), std::string::npos) << json;
    std::string text = TabSeparated(FoulingTableRows(a));
    for (const auto& [label, value] : FoulingSummaryItems(a, rec)) {
        text += label + value;
    }
    EXPECT_EQ(text.find("nan"), std::string::npos) << text;
    EXPECT_EQ(text.find("inf"), std::string::npos) << text;
}

// Trials stored as the data dialog stores them (0.1 ml, whole seconds):
// the analysis picks the law the readings follow.
TEST(FoulingAnalysis, StoredTrialsOfEachLawArePickedOut) {
    for (const BlockingLaw law : AllBlockingLaws) {
        SCOPED_TRACE(LawKey(law));
        const TWineRec rec = LawWine(law, TypicalParameters(law), 36);
        const FoulingAnalysis a = AnalyzeFouling(rec);
        EXPECT_EQ(a.PointsUsed, 36);
        ASSERT_TRUE(a.Best.has_value());
        EXPECT_EQ(*a.Best, law);
        ExpectNothingNotFinite(a, rec);
    }
}

TEST(FoulingAnalysis, StandardLawTrialGivesVmaxWithinOnePercent) {
    const LawParameters p = TypicalParameters(BlockingLaw::Standard);
    const TWineRec rec = LawWine(BlockingLaw::Standard, p, 36);
    const FoulingAnalysis a = AnalyzeFouling(rec);
    ASSERT_TRUE(a.VmaxLPerM2 && a.VmaxHalfWidth95 && a.J0Lmh);
    EXPECT_NEAR(*a.VmaxLPerM2 / p.K, 1, 0.01);
    EXPECT_NEAR(*a.J0Lmh / p.J0, 1, 0.01);
    // The interval covers the true Vmax and is narrow for readings this fine.
    EXPECT_LE(std::abs(*a.VmaxLPerM2 - p.K), *a.VmaxHalfWidth95);
    EXPECT_LT(*a.VmaxHalfWidth95, 0.01 * p.K);
    // 300 L/m² on 10 m² of production filter.
    ASSERT_TRUE(a.ProductionCapacityGal);
    EXPECT_NEAR(*a.ProductionCapacityGal / (*a.VmaxLPerM2 * 10 / 3.7854), 1, 1e-12);
    // The last interval's flux against J0: J = J0/(1 + J0·t/Vmax)² near 9 min.
    const double t = 532.5 / 3600;
    const double expected = 100 * (1 - 1 / std::pow(1 + p.J0 * t / p.K, 2));
    ASSERT_TRUE(a.FluxDeclinePercent);
    EXPECT_NEAR(*a.FluxDeclinePercent, expected, 1.0);
}

// The points are those the filterability calculation fits: after MinSkip
// and after leading points whose resistance still falls.
TEST(FoulingAnalysis, UsesThePointsTheCalculationFits) {
    const TWineRec rec =
        LawWine(BlockingLaw::Standard, TypicalParameters(BlockingLaw::Standard), 20, 15, 3);
    const FoulingAnalysis a = AnalyzeFouling(rec);
    EXPECT_EQ(a.PointsUsed, 17);
    EXPECT_EQ(a.FirstRow, 4);
    EXPECT_EQ(a.LastRow, 20);
    EXPECT_EQ(a.VolumeMl.size(), 20u);
    EXPECT_NEAR(a.LabAreaM2, test::LabArea47(), 1e-15);
}

TEST(FoulingAnalysis, DegenerateDataGiveNotEnoughData) {
    const std::vector<std::pair<const char*, std::vector<test::Reading>>> cases{
        {"no data", {}},
        {"one point", {{"  10.0", "  0", "15"}}},
        {"three points", ReadingsEvery(15, {"  10.0", "  19.0", "  27.0"})},
        {"equal volumes", ReadingsEvery(15, {"  10.0", "  19.0", "  19.0", "  27.0", "  34.0"})},
        {"time going backwards",
         {{"  10.0", "  0", "15"},
          {"  19.0", "  0", "30"},
          {"  27.0", "  0", "25"},
          {"  34.0", "  1", "00"},
          {"  40.0", "  1", "15"}}},
    };
    for (const auto& [name, readings] : cases) {
        SCOPED_TRACE(name);
        const TWineRec rec = MakeWine({}, readings);
        const FoulingAnalysis a = AnalyzeFouling(rec);
        EXPECT_FALSE(a.EnoughData);
        EXPECT_FALSE(a.Best.has_value());
        EXPECT_FALSE(a.VmaxLPerM2.has_value());
        for (const LawFit& fit : a.Laws) {
            EXPECT_FALSE(fit.Fitted);
            EXPECT_EQ(fit.Reason, NotEnoughData);
        }
        ExpectNothingNotFinite(a, rec);
    }
}

// Every interval giving the same resistance: the calculation's own fits
// cannot run, and no law claims such a trial.
TEST(FoulingAnalysis, ConstantFlowIsClaimedByNoLaw) {
    std::vector<std::string> volumes;
    for (int i = 1; i <= 12; ++i) {
        volumes.push_back(std::to_string(10 * i) + ".0");
    }
    const TWineRec rec = MakeWine({}, ReadingsEvery(15, volumes));
    const FoulingAnalysis a = AnalyzeFouling(rec);
    EXPECT_FALSE(a.Best.has_value()) << FoulingAnalysisJson(a).dump(1);
    ExpectNothingNotFinite(a, rec);
}

TEST(FilterabilityIndex, InterpolatesTheTimesToReach200And400Ml) {
    // 200 ml at 30 s (between 150 ml at 20 s and 250 ml at 40 s), 400 ml at
    // 70 s (between 350 ml at 60 s and 450 ml at 80 s): FI = 70 - 60 = 10 s.
    const std::vector<double> ml{150, 250, 350, 450};
    const std::vector<double> s{20, 40, 60, 80};
    struct Case {
        double diameter;
        double pressure;
        bool standard;
    };
    for (const Case c : {Case{25, 29, true}, Case{25, 28, true}, Case{25, 30, true},
                         Case{25, 30.5, false}, Case{47, 29, false}}) {
        const FilterabilityIndex fi = FilterabilityIndexOf(ml, s, c.diameter, c.pressure);
        ASSERT_TRUE(fi.Seconds);
        EXPECT_DOUBLE_EQ(*fi.Seconds, 10);
        EXPECT_EQ(fi.StandardConditions, c.standard) << c.diameter << " mm " << c.pressure;
    }
    // From the origin: 200 ml reached within the first reading.
    EXPECT_DOUBLE_EQ(
        *FilterabilityIndexOf(std::vector<double>{400, 800}, std::vector<double>{40, 100}, 25, 29)
             .Seconds,
        40 - 2 * 20);
    EXPECT_FALSE(
        FilterabilityIndexOf(std::vector<double>{150, 399.9}, std::vector<double>{20, 60}, 25, 29)
            .Seconds);
}

TEST(FoulingAnalysisJson, HasExactlyTheAgreedKeys) {
    const FoulingAnalysis a =
        AnalyzeFouling(LawWine(BlockingLaw::Cake, TypicalParameters(BlockingLaw::Cake), 36));
    const nlohmann::ordered_json json = FoulingAnalysisJson(a);
    std::vector<std::string> keys;
    for (const auto& item : json.items()) {
        keys.push_back(item.key());
    }
    EXPECT_EQ(keys,
              (std::vector<std::string>{"wine", "filter", "points_used", "first_row", "last_row",
                                        "lab_area_m2", "models", "best", "vmax_L_per_m2",
                                        "vmax_ci95_L_per_m2", "J0_LMH", "production_capacity_gal",
                                        "flux_decline_percent", "fi_s", "fi_standard_conditions"}));
    ASSERT_EQ(json["models"].size(), 4u);
    const char* constants[] = {"Kb_per_h", "Ki_m2_per_L", "Vmax_L_per_m2", "Kc_h_m4_per_L2"};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& model = json["models"][i];
        EXPECT_EQ(model["law"], LawKey(AllBlockingLaws[i]));
        EXPECT_TRUE(model.contains(constants[i]));
        EXPECT_EQ(model.contains("reason"), !model["fitted"].get<bool>());
    }
    EXPECT_EQ(json["best"], "cake");
    EXPECT_EQ(json["first_row"], 1);
    EXPECT_EQ(json["last_row"], 36);
    EXPECT_TRUE(json["vmax_L_per_m2"].is_number());
    // 47 mm at 30 psi is no standard FI condition; a 36-point trial of
    // about 250 ml does not reach 400 ml.
    EXPECT_FALSE(json["fi_standard_conditions"].get<bool>());
    EXPECT_TRUE(json["fi_s"].is_null());
}

TEST(FoulingAnalysisText, TableMarksTheBestLawAndTheUnfittedWithTheirReason) {
    const std::vector<double> hours{1, 2, 3, 4, 5};
    const std::vector<double> rising{1, 3, 6, 10, 15};
    FiltrationPoints points;
    points.LabArea = 0.001;
    for (std::size_t i = 0; i < hours.size(); ++i) {
        points.Time.push_back(hours[i] * 3600);
        points.Volume.push_back(rising[i]);
    }
    const FoulingAnalysis a = AnalyzeFoulingPoints(points, {25, 29, 10});
    const auto rows = FoulingTableRows(a);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1][0], "complete blocking");
    EXPECT_EQ(rows[1].back(), "not fitted: negative Kb");
    EXPECT_EQ(rows[3][2], "Vmax = — L/m²");
    const std::string tsv = TabSeparated(rows);
    EXPECT_EQ(tsv.substr(0, tsv.find('\n')), "Law\tJ0 (LMH)\tConstant\tR²\tRMS (ml)\tNote");

    const FoulingAnalysis standard = AnalyzeFouling(
        LawWine(BlockingLaw::Standard, TypicalParameters(BlockingLaw::Standard), 36));
    const auto standardRows = FoulingTableRows(standard);
    EXPECT_EQ(standardRows[3].back(), "best");
    const std::vector<std::string> lines = AlignedLines(standardRows);
    // Columns line up: each row's second column starts at the same character.
    const std::size_t column = lines[0].find("J0");
    for (const std::string& line : lines) {
        EXPECT_EQ(line.substr(0, column).find_last_not_of(' ') + 2 <= column, true) << line;
    }
}

TEST(FoulingAnalysisText, SignificantDigits) {
    EXPECT_EQ(SignificantText(1234.567), "1235");
    EXPECT_EQ(SignificantText(12.34567), "12.35");
    EXPECT_EQ(SignificantText(0.00123456), "0.001235");
    EXPECT_EQ(SignificantText(0.0), "0");
    EXPECT_EQ(SignificantText(1.5793907e-06), "1.579e-06");
    EXPECT_EQ(SignificantText(-2.5e12, 2), "-2.5e+12");
    EXPECT_EQ(SignificantText(std::nullopt), "—");
    EXPECT_EQ(SignificantText(NAN), "—");
}

} // namespace
} // namespace zephra
