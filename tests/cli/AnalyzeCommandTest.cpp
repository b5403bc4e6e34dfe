#include "CliRun.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <fstream>

namespace zephra::test {
namespace {

const std::string Sample = std::string(ZEPHRA_EXAMPLES_DIR) + "/chardonnay.zph";

TEST(AnalyzeCommandTest, JsonOfTheSampleParsesWithTheAgreedKeys) {
    const CliResult result = RunCli({"analyze", "--json", Sample});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(result.err.empty());
    const nlohmann::json json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["wine"], "Chardonnay 2024");
    EXPECT_EQ(json["filter"], "Membrane 0.65");
    // The sample skips its first point.
    EXPECT_EQ(json["points_used"], 35);
    EXPECT_EQ(json["first_row"], 2);
    EXPECT_EQ(json["last_row"], 36);
    EXPECT_NEAR(json["lab_area_m2"].get<double>(), 0.0235 * 0.0235 * 3.14159, 1e-15);
    ASSERT_EQ(json["models"].size(), 4u);
    for (const auto& model : json["models"]) {
        EXPECT_TRUE(model["fitted"].get<bool>()) << model.dump();
        EXPECT_FALSE(model.contains("reason"));
        EXPECT_GT(model["J0_LMH"].get<double>(), 0);
        EXPECT_GT(model["rms_ml"].get<double>(), 0);
    }
    EXPECT_EQ(json["best"], "cake");
    // Cake filtration has no Vmax: the standard law's row keeps its own, the
    // trial's figures are cake filtration's, its capacity the throughput at
    // 10 % of J0, on the sample's 10 m² production filter in US gallons.
    EXPECT_GT(json["models"][2]["Vmax_L_per_m2"].get<double>(), 0);
    EXPECT_TRUE(json["vmax_L_per_m2"].is_null());
    EXPECT_TRUE(json["vmax_lower_bound95_L_per_m2"].is_null());
    EXPECT_TRUE(json["production_capacity_gal"].is_null());
    EXPECT_EQ(json["J0_LMH"], json["models"][3]["J0_LMH"]);
    EXPECT_EQ(json["best_capacity_basis"], "terminal_flux");
    EXPECT_EQ(json["terminal_flux_share"], 0.1);
    const double capacity = json["best_capacity_L_per_m2"];
    EXPECT_LT(json["best_capacity_ci95_low_L_per_m2"].get<double>(), capacity);
    EXPECT_GT(json["best_capacity_ci95_high_L_per_m2"].get<double>(), capacity);
    EXPECT_LT(json["best_capacity_lower_bound95_L_per_m2"].get<double>(), capacity);
    EXPECT_NEAR(json["best_production_capacity_gal"].get<double>(), capacity * 10 / 3.7854, 1e-9);
    EXPECT_TRUE(json["fi_s"].is_number());
    EXPECT_FALSE(json["fi_standard_conditions"].get<bool>());
}

TEST(AnalyzeCommandTest, TextShowsTheTableAndTheSummaryAligned) {
    const CliResult result = RunCli({"analyze", Sample});
    ASSERT_EQ(result.status, 0);
    EXPECT_NE(result.out.find("Wine:             Chardonnay 2024\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nLaw                    J0 (LMH)  Constant"), std::string::npos);
    EXPECT_NE(result.out.find("  best\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nBest described by:           cake filtration\n"),
              std::string::npos);
    EXPECT_NE(result.out.find("\nExponential model estimate:  1,709 gal\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nPower model estimate:        3,453 gal\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nVmax:                        — (the standard law does not "
                              "describe this trial best)\n"),
              std::string::npos);
}

// A trial entered as a user would, following the standard law: Vmax 300 L/m²
// with J0 2000 LMH on the 47 mm filter, a reading every 15 s.
TEST(AnalyzeCommandTest, StandardLawTrialEnteredByHandIsRecognised) {
    TempFolder folder;
    const std::string wine = folder.file("standard.zph");
    ASSERT_TRUE(WriteStandardLawWine(wine));
    const CliResult result = RunCli({"analyze", "--json", wine});
    ASSERT_EQ(result.status, 0) << result.err;
    const nlohmann::json json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["best"], "standard");
    EXPECT_TRUE(json["not_distinguishable_from"].empty());
    const double vmax = json["vmax_L_per_m2"];
    EXPECT_NEAR(vmax / 300, 1, 0.01);
    EXPECT_EQ(vmax, json["models"][2]["Vmax_L_per_m2"].get<double>());
    EXPECT_LE(json["vmax_ci95_low_L_per_m2"].get<double>(), 300);
    EXPECT_GE(json["vmax_ci95_high_L_per_m2"].get<double>(), 300);
    EXPECT_LT(json["vmax_lower_bound95_L_per_m2"].get<double>(), vmax);
    EXPECT_EQ(json["best_capacity_basis"], "vmax");
    EXPECT_EQ(json["best_capacity_L_per_m2"], vmax);
    // Vmax on the wine's 10 m² production filter, in US gallons.
    EXPECT_NEAR(json["production_capacity_gal"].get<double>(), vmax * 10 / 3.7854, 1e-9);
    EXPECT_EQ(json["best_production_capacity_gal"], json["production_capacity_gal"]);
}

TEST(AnalyzeCommandTest, WineWithoutDataGivesNullsNotNumbers) {
    TempFolder folder;
    const std::string wine = folder.file("empty.zph");
    ASSERT_EQ(RunCli(NewWineArgs(wine)).status, 0);
    const CliResult result = RunCli({"analyze", "--json", wine});
    ASSERT_EQ(result.status, 0);
    const nlohmann::json json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["points_used"], 0);
    EXPECT_TRUE(json["first_row"].is_null());
    EXPECT_TRUE(json["best"].is_null());
    EXPECT_TRUE(json["vmax_L_per_m2"].is_null());
    EXPECT_TRUE(json["fi_s"].is_null());
    for (const auto& model : json["models"]) {
        EXPECT_FALSE(model["fitted"].get<bool>());
        EXPECT_EQ(model["reason"], "not enough data");
        EXPECT_TRUE(model["r2"].is_null());
    }
    const CliResult text = RunCli({"analyze", wine});
    EXPECT_NE(text.out.find("Best described by:           not enough data"), std::string::npos);
    EXPECT_NE(text.out.find("Vmax:                        —\n"), std::string::npos);
}

TEST(AnalyzeCommandTest, UsageAndFileErrorsGiveTheirStatus) {
    EXPECT_EQ(RunCli({"analyze"}).status, 2);
    EXPECT_EQ(RunCli({"analyze", "--csv", Sample}).status, 2);
    EXPECT_EQ(RunCli({"analyze", Sample, Sample}).status, 2);
    TempFolder folder;
    const CliResult missing = RunCli({"analyze", folder.file("none.zph")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              folder.file("none.zph") + ": I/O Error type 2 occurred while reading file.\n");
    EXPECT_EQ(RunCli({"analyze", "--help"}).status, 0);
}

} // namespace
} // namespace zephra::test
