#include "CliRun.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>

namespace zephra::test {
namespace {

const std::string Sample = std::string(ZEPHRA_EXAMPLES_DIR) + "/chardonnay.zph";

nlohmann::json JsonOf(const std::vector<std::string>& args) {
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.status, 0) << result.err;
    return nlohmann::json::parse(result.out);
}

// The sample, best described by cake filtration: 500 hL on elements of
// 0.6 m², by capacity alone. Every available estimate's area is the batch
// over its capacity times the safety factor; Vmax is not available and
// says why; the cake law's capacity is the analysis' own.
TEST(SizeCommandTest, SampleBatchByEachEstimate) {
    const nlohmann::json json =
        JsonOf({"size", Sample, "--batch", "500hL", "--element-area", "0.6", "--json"});
    const nlohmann::json analysis = JsonOf({"analyze", "--json", Sample});
    EXPECT_EQ(json["wine"], "Chardonnay 2024");
    EXPECT_EQ(json["batch_L"], 50000.0);
    EXPECT_EQ(json["safety_factor"], 1.5);
    EXPECT_EQ(json["element_area_m2"], 0.6);
    EXPECT_TRUE(json["flow_L_per_h"].is_null());
    EXPECT_EQ(json["terminal_flux_share"], 0.1);
    const auto& estimates = json["estimates"];
    ASSERT_EQ(estimates.size(), 4u);
    EXPECT_EQ(estimates[0]["estimate"], "exponential_model");
    EXPECT_EQ(estimates[1]["estimate"], "power_model");
    EXPECT_EQ(estimates[2]["estimate"], "vmax");
    EXPECT_EQ(estimates[3]["estimate"], "best_law");
    // 1,709 gal on the sample's 10 m².
    EXPECT_NEAR(estimates[0]["capacity_L_per_m2"].get<double>(), 1709 * 3.7854 / 10, 1e-9);
    EXPECT_FALSE(estimates[2]["available"].get<bool>());
    EXPECT_EQ(estimates[2]["note"], "not available: the standard law does not describe this "
                                    "trial (best: cake filtration)");
    EXPECT_TRUE(estimates[2]["area_m2"].is_null());
    EXPECT_EQ(estimates[3]["law"], "cake");
    EXPECT_EQ(estimates[3]["capacity_L_per_m2"], analysis["best_capacity_L_per_m2"]);
    EXPECT_EQ(estimates[3]["capacity_lower_bound95_L_per_m2"],
              analysis["best_capacity_lower_bound95_L_per_m2"]);
    for (const auto& e : estimates) {
        SCOPED_TRACE(e["estimate"].get<std::string>());
        if (!e["available"].get<bool>()) {
            continue;
        }
        const double area = e["area_m2"];
        EXPECT_NEAR(area, 50000 / e["capacity_L_per_m2"].get<double>() * 1.5, 1e-9);
        EXPECT_EQ(e["elements"], static_cast<int>(std::ceil(area / 0.6)));
        EXPECT_NEAR(e["installed_area_m2"].get<double>(), e["elements"].get<int>() * 0.6, 1e-9);
        EXPECT_TRUE(e["batch_hours"].is_null());
    }
    // The cake law's lower bound asks for more area.
    EXPECT_GT(estimates[3]["area_at_lower_bound_m2"].get<double>(),
              estimates[3]["area_m2"].get<double>());
    EXPECT_EQ(json["notes"].size(), 4u);
}

// A standard-law wine, 1000 US gallons (the default unit) at 500 gpm, so in
// 2 minutes, with a safety factor of 2: A = V·(1/Vmax + 1/(J0·t))·2, with
// the analysis' Vmax and J0 (laboratory and production pressure are both
// 30 psi).
TEST(SizeCommandTest, StandardLawWineWithAFlow) {
    TempFolder folder;
    const std::string wine = folder.file("standard.zph");
    ASSERT_TRUE(WriteStandardLawWine(wine));
    const nlohmann::json json =
        JsonOf({"size", wine, "--batch", "1000", "--flow", "500gpm", "--safety", "2", "--json"});
    const nlohmann::json analysis = JsonOf({"analyze", "--json", wine});
    // Sizing takes gallons at their exact size, 3.785411784 L.
    const double litres = 1000 * 3.785411784;
    EXPECT_NEAR(json["batch_L"].get<double>(), litres, 1e-9);
    EXPECT_NEAR(json["flow_L_per_h"].get<double>(), 500 * 3.785411784 * 60, 1e-9);
    const auto& estimates = json["estimates"];
    ASSERT_EQ(estimates.size(), 3u);
    const auto& vmax = estimates[2];
    EXPECT_TRUE(vmax["available"].get<bool>());
    EXPECT_TRUE(vmax["trustworthy"].get<bool>()) << vmax["note"];
    EXPECT_EQ(vmax["law"], "standard");
    const double Vmax = analysis["vmax_L_per_m2"];
    const double J0 = analysis["J0_LMH"];
    const double hours = 2.0 / 60;
    EXPECT_NEAR(vmax["area_m2"].get<double>(), litres * (1 / Vmax + 1 / (J0 * hours)) * 2, 1e-9);
    EXPECT_EQ(vmax["clean_flux_LMH"].get<double>(), J0);
    EXPECT_TRUE(vmax["flow_reachable"].get<bool>());
    EXPECT_TRUE(vmax["elements"].is_null());
    EXPECT_GE(vmax["batch_hours"].get<double>(), hours - 1e-12);
    EXPECT_TRUE(vmax["flux_above_minimum"].is_boolean());
}

TEST(SizeCommandTest, TextShowsTheRequestTheTableAndTheNotes) {
    const CliResult result = RunCli({"size", Sample, "--batch", "500 hL", "--flow", "20bpm"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Wine:             Chardonnay 2024\n"), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("Safety factor:    1.5 (in every area below)\n"), std::string::npos);
    EXPECT_NE(result.out.find("\nEstimate  "), std::string::npos);
    EXPECT_NE(result.out.find("\nVmax: rests on standard blocking (the Vmax method); not "
                              "available"),
              std::string::npos);
}

TEST(SizeCommandTest, UsageAndFileErrorsGiveTheirStatus) {
    const std::vector<std::vector<std::string>> usage{
        {"size", Sample},
        {"size", Sample, "--batch", "lots"},
        {"size", Sample, "--batch", "500m3"},
        {"size", Sample, "--batch", "-5"},
        {"size", Sample, "--batch", "500", "--safety", "0.5"},
        {"size", Sample, "--batch", "500", "--element-area", "0"},
        {"size", Sample, "--batch", "500", "--flow", "10 furlongs"},
        {"size", Sample, Sample, "--batch", "500"},
        {"size", "--batch", "500"},
    };
    for (const auto& args : usage) {
        EXPECT_EQ(RunCli(args).status, 2) << args.back();
    }
    TempFolder folder;
    const CliResult missing = RunCli({"size", folder.file("none.zph"), "--batch", "500"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              folder.file("none.zph") + ": I/O Error type 2 occurred while reading file.\n");
    const CliResult help = RunCli({"size", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--element-area M2"), std::string::npos);
}

} // namespace
} // namespace zephra::test
