#include "CliRun.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace zephra::test {
namespace {

const std::string Sample = std::string(ZEPHRA_EXAMPLES_DIR) + "/chardonnay.zph";

std::vector<std::string> Riesling(const std::string& path, const std::string& labPressure,
                                  const std::string& maxPressure, const std::string& rate,
                                  const std::string& units) {
    return {"new",
            path,
            "--wine",
            "Riesling",
            "--filter",
            "Pad K200",
            "--lab-pressure",
            labPressure,
            "--filter-diameter",
            "47",
            "--max-pressure",
            maxPressure,
            "--area",
            "1.5",
            "--rate",
            rate,
            "--units",
            units};
}

std::vector<std::string> With(std::vector<std::string> args, const std::string& system) {
    args.insert(args.begin() + 1, {"--unit-system", system});
    return args;
}

// A wine given in metric units is the wine given in US units with the
// converted values, byte for byte; a metric edit that changes nothing
// leaves it so.
TEST(UnitSystemTest, MetricNewAndEditWriteTheSameWineAsUs) {
    TempFolder folder;
    const std::string metric = folder.file("metric.zph");
    const std::string us = folder.file("us.zph");
    ASSERT_EQ(RunCli(With(Riesling(metric, "2", "3.5", "50", "hL/h"), "metric")).status, 0);
    ASSERT_EQ(RunCli(Riesling(us, "29", "51", "22", "gpm")).status, 0);
    EXPECT_EQ(FileBytes(metric), FileBytes(us));

    ASSERT_EQ(RunCli({"edit-conditions", metric, "--unit-system", "metric", "--wine", "R"}).status,
              0);
    ASSERT_EQ(RunCli({"edit-conditions", us, "--wine", "R"}).status, 0);
    EXPECT_EQ(FileBytes(metric), FileBytes(us));

    // A gpm rate is taken in L/h unless --units says otherwise.
    ASSERT_EQ(
        RunCli({"edit-conditions", metric, "--unit-system", "metric", "--rate", "1200"}).status, 0);
    EXPECT_EQ(RecordIn(metric).Conditions.ProdRate.text(), " 5.3");
    EXPECT_EQ(RecordIn(metric).Conditions.ProdRateUnits.get(), 1);
}

TEST(UnitSystemTest, MetricValuesAreCheckedInTheirUnits) {
    TempFolder folder;
    const std::string path = folder.file("w.zph");
    const CliResult rejected = RunCli(With(Riesling(path, "70", "3.5", "50", "hL/h"), "metric"));
    EXPECT_EQ(rejected.status, 1);
    EXPECT_EQ(rejected.err, path + ": Laboratory Pressure is out of Range. Please enter a value "
                                   "between 0.0069 and 68.9 bar.\n");
    // The command line reads numbers with a point, whatever the locale.
    EXPECT_EQ(RunCli(With(Riesling(path, "2,5", "3.5", "50", "hL/h"), "metric")).status, 1);
    const CliResult usUnits = RunCli(Riesling(path, "2", "3.5", "50", "hL/h"));
    EXPECT_EQ(usUnits.status, 2);
    EXPECT_NE(usUnits.err.find("--units must be 'bpm' or 'gpm'"), std::string::npos);
}

TEST(UnitSystemTest, EveryCommandShowingValuesTakesTheOption) {
    TempFolder folder;
    const std::string pdf = folder.file("r.pdf");
    // What people read is in the units chosen; what programs read (JSON,
    // CSV) is the same in both.
    struct Case {
        std::vector<std::string> command;
        bool forPrograms;
    };
    const Case cases[] = {
        {{"report", Sample}, false},
        {{"analyze", Sample}, false},
        {{"analyze", "--json", Sample}, true},
        {{"summary", Sample}, false},
        {{"summary", "--csv", Sample}, true},
        {{"export", "--format", "json", Sample}, true},
        {{"pdf", Sample, "-o", pdf}, false},
        {{"size", Sample, "--batch", "500hL"}, false},
        {{"size", Sample, "--batch", "500hL", "--json"}, true},
    };
    for (const auto& [command, forPrograms] : cases) {
        SCOPED_TRACE(command[0]);
        const CliResult us = RunCli(command);
        ASSERT_EQ(us.status, 0) << us.err;
        EXPECT_EQ(RunCli(With(command, "us")).out, us.out);
        const CliResult metric = RunCli(With(command, "metric"));
        ASSERT_EQ(metric.status, 0) << metric.err;
        if (forPrograms) {
            EXPECT_EQ(metric.out, us.out);
        } else if (command[0] != "pdf") {
            EXPECT_NE(metric.out, us.out);
            for (const char* unit : {"gal", "psi", "gpm"}) {
                EXPECT_EQ(metric.out.find(unit), std::string::npos) << unit << "\n" << metric.out;
            }
        }
        EXPECT_EQ(RunCli(With(command, "imperial")).status, 2);
    }
    EXPECT_EQ(
        RunCli({"collect", "--unit-system", "si", "--density", "1", "--max-minutes", "9", Sample})
            .status,
        2);
}

TEST(UnitSystemTest, MetricOutputs) {
    const std::string report =
        RunCli({"report", "--unit-system", "metric", "--panel", "table", Sample}).out;
    EXPECT_NE(report.find("                   pressure: 2.07 bar         maximum pressure:  2.1 "
                          "bar\n"),
              std::string::npos)
        << report;
    // The CSV and JSON keep the record's units in metric units too.
    const std::string summary = RunCli({"summary", "--csv", "--unit-system", "metric", Sample}).out;
    EXPECT_EQ(summary.substr(0, summary.find('\r')),
              "file,wine,filter,type,points,skipped,RmE,bE,rE,RmP,a,bP,rP,exp_gal,power_gal,"
              "best_law,vmax_L_per_m2,production_capacity_gal");
    const nlohmann::json analysis =
        nlohmann::json::parse(RunCli({"analyze", "--json", "--unit-system", "metric", Sample}).out);
    // Cake filtration describes the sample best: its capacity of 2425 gal.
    EXPECT_TRUE(analysis.at("production_capacity_gal").is_null());
    EXPECT_NEAR(analysis.at("best_production_capacity_gal").get<double>(), 2425.14, 0.01);
    const std::string text = RunCli({"analyze", "--unit-system", "metric", Sample}).out;
    EXPECT_NE(text.find("Production capacity:         91.8 hL (constant pressure"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Exponential model estimate:  64.7 hL"), std::string::npos) << text;

    // Sizing: in metric units a batch and a flow without a unit are in hL
    // and L/h.
    const std::string sized =
        RunCli({"size", "--unit-system", "metric", Sample, "--batch", "500", "--flow", "2000"}).out;
    EXPECT_EQ(sized, RunCli({"size", "--unit-system", "metric", Sample, "--batch", "50000L",
                             "--flow", "2000L/h"})
                         .out);
    EXPECT_NE(sized.find("50000 L (500 hL)\n"), std::string::npos) << sized;
    EXPECT_NE(sized.find("2000 L/h (the batch in 25 h 00 min)"), std::string::npos) << sized;
}

} // namespace
} // namespace zephra::test
