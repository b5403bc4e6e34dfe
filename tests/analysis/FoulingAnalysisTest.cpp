#include "analysis/FoulingAnalysis.h"

#include "AnalysisTestSupport.h"
#include "LawTrials.h"
#include "analysis/FoulingAnalysisJson.h"
#include "analysis/FoulingAnalysisText.h"
#include "entry/AlignedLines.h"
#include "entry/FixedText.h"

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
    ASSERT_TRUE(a.Vmax && a.J0Lmh && a.BestCapacity);
    EXPECT_NEAR(a.Vmax->Value / p.K, 1, 0.01);
    EXPECT_NEAR(*a.J0Lmh / p.J0, 1, 0.01);
    // The interval holds the true Vmax, is narrow for readings this fine and
    // wider above Vmax than below it; the lower bound lies inside it.
    ASSERT_TRUE(a.Vmax->High95);
    EXPECT_LE(a.Vmax->Low95, p.K);
    EXPECT_GE(*a.Vmax->High95, p.K);
    EXPECT_LT(*a.Vmax->High95 - a.Vmax->Low95, 0.02 * p.K);
    EXPECT_GT(*a.Vmax->High95 - a.Vmax->Value, a.Vmax->Value - a.Vmax->Low95);
    EXPECT_GT(a.Vmax->LowerBound95, a.Vmax->Low95);
    EXPECT_LT(a.Vmax->LowerBound95, a.Vmax->Value);
    // Vmax is the standard law's own capacity, on 10 m² of production filter.
    EXPECT_EQ(a.BestCapacity->Value, a.Vmax->Value);
    ASSERT_TRUE(a.ProductionCapacityGal);
    EXPECT_NEAR(*a.ProductionCapacityGal / (a.Vmax->Value * 10 / 3.7854), 1, 1e-12);
    EXPECT_EQ(a.BestProductionCapacityGal, a.ProductionCapacityGal);
    // The last interval's flux against J0: J = J0/(1 + J0·t/Vmax)² near 9 min.
    const double t = 532.5 / 3600;
    const double expected = 100 * (1 - 1 / std::pow(1 + p.J0 * t / p.K, 2));
    ASSERT_TRUE(a.FluxDeclinePercent);
    EXPECT_NEAR(*a.FluxDeclinePercent, expected, 1.0);
}

// Vmax is the capacity only of a trial the standard law describes: for the
// other laws the headline figures are the best law's own, its capacity the
// limit J0/Kb of complete blocking, or for intermediate blocking and cake
// filtration the throughput at the terminal flux, 10 % of J0 unless the lab
// sets another share.
TEST(FoulingAnalysis, OtherLawsGiveTheirOwnCapacityAndNoVmax) {
    for (const BlockingLaw law :
         {BlockingLaw::Complete, BlockingLaw::Intermediate, BlockingLaw::Cake}) {
        for (const double share : {0.1, 0.2}) {
            SCOPED_TRACE(std::string(LawKey(law)) + " at " + std::to_string(share));
            const LawParameters p = TypicalParameters(law);
            const FoulingAnalysis a = AnalyzeFouling(LawWine(law, p, 36), {share, 1.5});
            ASSERT_EQ(a.Best, law);
            EXPECT_FALSE(a.Vmax.has_value());
            EXPECT_FALSE(a.ProductionCapacityGal.has_value());
            const double truth = CapacityFactor(law, share) / FoulingConstant(law, p);
            ASSERT_TRUE(a.BestCapacity && a.BestProductionCapacityGal && a.J0Lmh);
            EXPECT_NEAR(a.BestCapacity->Value / truth, 1, 0.02);
            EXPECT_LE(a.BestCapacity->Low95, a.BestCapacity->Value);
            EXPECT_NEAR(*a.BestProductionCapacityGal, a.BestCapacity->Value * 10 / 3.7854, 1e-9);
            EXPECT_NEAR(*a.J0Lmh / p.J0, 1, 0.01);
            EXPECT_EQ(a.TerminalFluxShare, share);
        }
    }
}

// Early in a trial, with little fouling yet, the laws fit alike: the best
// one is named with those it cannot be told from (ΔAICc below 2); a long
// trial of one law leaves no doubt.
TEST(FoulingAnalysis, NearTiesAreNamedNotDistinguishable) {
    const LawParameters p = TypicalParameters(BlockingLaw::Standard);
    const FoulingAnalysis early = AnalyzeFouling(LawWine(BlockingLaw::Standard, p, 6));
    ASSERT_TRUE(early.Best.has_value());
    EXPECT_EQ(*early.DeltaAicc(*early.Best), 0);
    EXPECT_FALSE(early.NotDistinguishableFrom.empty());
    for (const BlockingLaw law : early.NotDistinguishableFrom) {
        EXPECT_LT(*early.DeltaAicc(law), IndistinguishableAicc);
    }
    const nlohmann::ordered_json json = FoulingAnalysisJson(early);
    EXPECT_EQ(json["not_distinguishable_from"].size(), early.NotDistinguishableFrom.size());

    const FoulingAnalysis late = AnalyzeFouling(LawWine(BlockingLaw::Standard, p, 36));
    EXPECT_TRUE(late.NotDistinguishableFrom.empty());
    for (const BlockingLaw law : {BlockingLaw::Complete, BlockingLaw::Intermediate}) {
        EXPECT_GT(*late.DeltaAicc(law), IndistinguishableAicc);
    }
}

// The readings' times to 0.1 s replace the whole seconds when they belong
// to the record's points, and are left aside when they do not.
TEST(FoulingAnalysis, UsesPreciseTimesThatBelongToThePoints) {
    const LawParameters p = TypicalParameters(BlockingLaw::Standard);
    const TWineRec rec = LawWine(BlockingLaw::Standard, p, 36);
    std::vector<double> precise;
    for (int i = 1; i <= 36; ++i) {
        precise.push_back(15.0 * i - 0.4);
    }
    const FoulingAnalysis used = AnalyzeFouling(rec, {}, precise);
    EXPECT_TRUE(used.PreciseTimes);
    EXPECT_EQ(used.Seconds, precise);
    // The readings came 0.4 s before their stored times: the start moves by
    // as much.
    const FoulingAnalysis whole = AnalyzeFouling(rec);
    EXPECT_NEAR(whole.Fit(BlockingLaw::Standard).Params.T0 * 3600 -
                    used.Fit(BlockingLaw::Standard).Params.T0 * 3600,
                0.4, 0.05);

    std::vector<double> stale = precise;
    stale[20] += 1.5;
    std::vector<double> backwards = precise;
    backwards[3] = backwards[2];
    const std::vector<double> shorter(precise.begin(), precise.begin() + 35);
    for (const auto& times : {stale, backwards, shorter}) {
        const FoulingAnalysis a = AnalyzeFouling(rec, {}, times);
        EXPECT_FALSE(a.PreciseTimes);
        EXPECT_EQ(a.Seconds, whole.Seconds);
    }
}

// The points fitted are those after the user's skip; further leading
// points are skipped only when their flow rises by more than the rounding
// of the readings explains.
TEST(FoulingAnalysis, UsesThePointsAfterTheUsersSkip) {
    const TWineRec rec =
        LawWine(BlockingLaw::Standard, TypicalParameters(BlockingLaw::Standard), 20, 15, 3);
    const FoulingAnalysis a = AnalyzeFouling(rec);
    EXPECT_EQ(a.PointsUsed, 17);
    EXPECT_EQ(a.FirstRow, 4);
    EXPECT_EQ(a.LastRow, 20);
    EXPECT_EQ(a.VolumeMl.size(), 20u);
    EXPECT_NEAR(a.LabAreaM2, test::LabArea47(), 1e-15);
}

// The first interval made about 0.2 ml slower than the second: the
// calculation's rule skips row 1 for it, the analysis keeps it, as the fall
// lies well within the rounding of a whole second and 0.1 ml.
TEST(FoulingAnalysis, RoundingNoiseDoesNotDecideTheFirstPoint) {
    TWineRec rec =
        LawWine(BlockingLaw::Standard, TypicalParameters(BlockingLaw::Standard), 36, 15, 0);
    const double v2 = std::stod(test::Text(rec.Data.V[1]));
    rec.Data.V[0].assign(FixedText((v2 - 0.2) / 2, 6, 1));
    ASSERT_GE(FittedPointsOf(rec)->FirstFitted, 1u);
    const FoulingAnalysis a = AnalyzeFouling(rec);
    EXPECT_EQ(a.FirstRow, 1);
    EXPECT_EQ(a.PointsUsed, 36);
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
        EXPECT_FALSE(a.Vmax.has_value());
        EXPECT_FALSE(a.BestCapacity.has_value());
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
    EXPECT_EQ(keys, (std::vector<std::string>{"wine",
                                              "filter",
                                              "points_used",
                                              "first_row",
                                              "last_row",
                                              "lab_area_m2",
                                              "precise_times",
                                              "models",
                                              "best",
                                              "not_distinguishable_from",
                                              "vmax_L_per_m2",
                                              "vmax_ci95_low_L_per_m2",
                                              "vmax_ci95_high_L_per_m2",
                                              "vmax_lower_bound95_L_per_m2",
                                              "J0_LMH",
                                              "production_capacity_gal",
                                              "best_capacity_basis",
                                              "terminal_flux_share",
                                              "best_capacity_L_per_m2",
                                              "best_capacity_ci95_low_L_per_m2",
                                              "best_capacity_ci95_high_L_per_m2",
                                              "best_capacity_lower_bound95_L_per_m2",
                                              "best_production_capacity_gal",
                                              "trustworthy",
                                              "doubts",
                                              "capacity_law",
                                              "capacity_L_per_m2",
                                              "capacity_ci95_low_L_per_m2",
                                              "capacity_ci95_high_L_per_m2",
                                              "capacity_lower_bound95_L_per_m2",
                                              "flux_decline_percent",
                                              "fi_s",
                                              "fi_standard_conditions"}));
    ASSERT_EQ(json["models"].size(), 4u);
    const char* constants[] = {"Kb_per_h", "Ki_m2_per_L", "Vmax_L_per_m2", "Kc_h_m4_per_L2"};
    for (std::size_t i = 0; i < 4; ++i) {
        const auto& model = json["models"][i];
        EXPECT_EQ(model["law"], LawKey(AllBlockingLaws[i]));
        EXPECT_TRUE(model.contains(constants[i]));
        EXPECT_EQ(model.contains("reason"), !model["fitted"].get<bool>());
        for (const char* key : {"t0_s", "aicc", "delta_aicc"}) {
            EXPECT_EQ(model[key].is_number(), model["fitted"].get<bool>()) << key;
        }
    }
    EXPECT_EQ(json["best"], "cake");
    EXPECT_EQ(json["models"][3]["delta_aicc"], 0.0);
    EXPECT_EQ(json["first_row"], 1);
    EXPECT_EQ(json["last_row"], 36);
    // A cake trial has no Vmax; its capacity is the throughput at 10 % of J0.
    EXPECT_TRUE(json["vmax_L_per_m2"].is_null());
    EXPECT_TRUE(json["production_capacity_gal"].is_null());
    EXPECT_EQ(json["best_capacity_basis"], "terminal_flux");
    EXPECT_EQ(json["terminal_flux_share"], 0.1);
    EXPECT_EQ(json["best_capacity_L_per_m2"].get<double>(), a.BestCapacity->Value);
    EXPECT_LT(json["best_capacity_lower_bound95_L_per_m2"].get<double>(), a.BestCapacity->Value);
    EXPECT_FALSE(json["precise_times"].get<bool>());
    // 47 mm at 30 psi is no standard FI condition; a 36-point trial of
    // about 250 ml does not reach 400 ml.
    EXPECT_FALSE(json["fi_standard_conditions"].get<bool>());
    EXPECT_TRUE(json["fi_s"].is_null());
}

TEST(FoulingAnalysisText, TableMarksTheBestLawAndTheUnfittedWithTheirReason) {
    // A flow steady at first, then rising: the first point stays, and the
    // laws find negative constants.
    const std::vector<double> hours{1, 2, 3, 4, 5, 6};
    const std::vector<double> rising{10, 20, 30, 45, 65, 90};
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
    EXPECT_EQ(tsv.substr(0, tsv.find('\n')),
              "Law\tJ0 (LMH)\tConstant\tt0 (s)\tR²\tRMS (ml)\tΔAICc\tNote");

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
