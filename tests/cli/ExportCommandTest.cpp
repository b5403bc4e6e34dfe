#include "CliRun.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>

namespace zephra::test {
namespace {

const std::string Sample = ZEPHRA_EXAMPLES_DIR "/chardonnay.zph";

TEST(ExportCommandTest, CsvGoesBackThroughEditDataToTheSameRecordBytes) {
    const CliResult exported = RunCli({"export", "--format", "csv", Sample});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_TRUE(exported.out.starts_with(
        "row,volume_ml,minutes,seconds,elapsed_s,va_m,r,rexp,rpower,skipped\r\n"
        "1,40.4,0,15,15,0.012,88.83,115.19,89.03,1\r\n"));

    // The sample wine with its data wiped, then the exported data read in.
    TempFolder folder;
    const std::string wine = folder.file("again.zph");
    std::ofstream(wine, std::ios::binary) << FileBytes(Sample);
    ASSERT_EQ(RunCli({"edit-data", wine, "--clear"}).status, 0);
    ASSERT_NE(FileBytes(wine), FileBytes(Sample));
    const CliResult imported = RunCli({"edit-data", wine, "--csv"}, exported.out);
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(FileBytes(wine), FileBytes(Sample));
}

TEST(ExportCommandTest, JsonToAFileParsesAndHoldsTheResults) {
    TempFolder folder;
    const std::string out = folder.file("wine.json");
    const CliResult result = RunCli({"export", "--format", "json", Sample, "-o", out});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    const nlohmann::json wine = nlohmann::json::parse(FileBytes(out));
    EXPECT_EQ(wine.at("conditions").at("wine"), "Chardonnay 2024");
    EXPECT_EQ(wine.at("points").size(), 36u);
    EXPECT_EQ(wine.at("results").at("power").at("expected_volume_gal"), 3453);
    EXPECT_EQ(wine.at("results").at("exponential").at("expected_volume_gal"), 1709);
    // The analysis follows the results, the same object as "analyze --json".
    const nlohmann::ordered_json ordered = nlohmann::ordered_json::parse(FileBytes(out));
    ASSERT_EQ(ordered.size(), 7u); // with the notes' "comments" and "trial_started"
    EXPECT_EQ(std::prev(ordered.end()).key(), "analysis");
    EXPECT_EQ(std::prev(ordered.end(), 2).key(), "results");
    EXPECT_EQ(wine.at("analysis"),
              nlohmann::json::parse(RunCli({"analyze", "--json", Sample}).out));
    EXPECT_EQ(wine.at("analysis").at("best"), "cake");
}

TEST(ExportCommandTest, WrongFormatMissingFileAndUnwritableOutput) {
    EXPECT_EQ(RunCli({"export", "--format", "xml", Sample}).status, 2);
    EXPECT_EQ(RunCli({"export", Sample}).status, 2);
    const CliResult missing = RunCli({"export", "--format", "csv", "/nonexistent/w.zph"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("/nonexistent/w.zph: I/O Error type"), std::string::npos);
    const CliResult unwritable =
        RunCli({"export", "--format", "csv", Sample, "-o", "/nonexistent/out.csv"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("/nonexistent/out.csv: the file could not be written"),
              std::string::npos);
}

} // namespace
} // namespace zephra::test
