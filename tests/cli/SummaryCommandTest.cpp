#include "CliRun.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace zephra::test {
namespace {

const std::string Sample = ZEPHRA_EXAMPLES_DIR "/chardonnay.zph";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

class SummaryCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A second wine with an accented name, and a file too short to be one.
        ASSERT_EQ(
            RunCli({"new", rose, "--wine", "Ros\xC3\xA9 d'\xC3\x89t\xC3\xA9", "--filter",
                    "Pad K200", "--type", "dessert", "--lab-pressure", "30", "--filter-diameter",
                    "47", "--max-pressure", "30", "--area", "10", "--rate", "100"})
                .status,
            0);
        std::ofstream(broken) << "not a wine";
    }

    TempFolder folder;
    const std::string rose = folder.file("rose.zph");
    const std::string broken = folder.file("broken.zph");
};

TEST_F(SummaryCommandTest, ThreeWinesOneUnreadableGiveTwoWineLinesAndStatus1) {
    const CliResult result = RunCli({"summary", Sample, broken, rose});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, broken + ": Error reading the data file.\n");
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 3u) << result.out;
    EXPECT_TRUE(lines[0].starts_with("file")) << "a header line names the columns";
    EXPECT_TRUE(lines[1].starts_with(Sample));
    EXPECT_EQ(Words(lines[1]),
              (std::vector<std::string>{Sample,   "Chardonnay", "2024",    "Membrane", "0.65",
                                        "normal", "36",         "1",       "110.38",   "3.557",
                                        "0.987",  "79.58",      "783.348", "0.999",    "1.000",
                                        "1,709",  "3,453",      "cake",    "—",        "—"}));
    EXPECT_EQ(Words(lines[2]),
              (std::vector<std::string>{rose, "Ros\xC3\xA9", "d'\xC3\x89t\xC3\xA9", "Pad", "K200",
                                        "dessert", "0", "0", "\xE2\x80\x94", "\xE2\x80\x94",
                                        "\xE2\x80\x94"}));
}

std::vector<std::string> CommaFields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');) {
        fields.push_back(field);
    }
    if (line.ends_with(',')) {
        fields.emplace_back();
    }
    return fields;
}

TEST_F(SummaryCommandTest, CsvHasOneRecordPerReadableWine) {
    const CliResult result = RunCli({"summary", "--csv", Sample, rose});
    EXPECT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 3u) << result.out;
    EXPECT_EQ(lines[0], "file,wine,filter,type,points,skipped,RmE,bE,rE,RmP,a,bP,rP,exp_gal,"
                        "power_gal,best_law,vmax_L_per_m2,production_capacity_gal\r");
    EXPECT_TRUE(lines[1].starts_with(
        Sample + ",Chardonnay 2024,Membrane 0.65,normal,36,1,110.38,3.557,0.987,79.58,783.348,"
                 "0.999,1.000,1709,3453,"))
        << lines[1];
    EXPECT_EQ(lines[2],
              rose + ",Ros\xC3\xA9 d'\xC3\x89t\xC3\xA9,Pad K200,dessert,0,0,,,,,,,,,,,,\r");

    // The sample is best described by cake filtration, which has no Vmax.
    std::vector<std::string> fields = CommaFields(lines[1].substr(0, lines[1].size() - 1));
    ASSERT_EQ(fields.size(), 18u) << lines[1];
    EXPECT_EQ(fields[15], "cake");
    EXPECT_EQ(fields[16], "");
    EXPECT_EQ(fields[17], "");
}

// The analysis columns hold what the analysis itself gives, in full.
TEST_F(SummaryCommandTest, AnalysisColumnsHoldTheAnalysisFigures) {
    const std::string wine = folder.file("standard.zph");
    ASSERT_TRUE(WriteStandardLawWine(wine));
    const nlohmann::json analysis = nlohmann::json::parse(RunCli({"analyze", "--json", wine}).out);
    const CliResult result = RunCli({"summary", "--csv", wine});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::vector<std::string> lines = Lines(result.out);
    ASSERT_EQ(lines.size(), 2u);
    const std::vector<std::string> fields = CommaFields(lines[1].substr(0, lines[1].size() - 1));
    ASSERT_EQ(fields.size(), 18u) << lines[1];
    EXPECT_EQ(fields[15], "standard");
    EXPECT_EQ(std::stod(fields[16]), analysis["vmax_L_per_m2"].get<double>());
    EXPECT_EQ(std::stod(fields[17]), analysis["production_capacity_gal"].get<double>());
}

// Names a spreadsheet would take for formulas reach the CSV as text.
TEST_F(SummaryCommandTest, CsvNamesAreNeverFormulas) {
    const std::string formula = folder.file("formula.zph");
    std::vector<std::string> args = NewWineArgs(formula);
    *(std::find(args.begin(), args.end(), std::string("--wine")) + 1) = "=cmd|'/Ccalc'!A1";
    *(std::find(args.begin(), args.end(), std::string("--filter")) + 1) = "@SUM(A1)";
    ASSERT_EQ(RunCli(args).status, 0);
    const CliResult result = RunCli({"summary", "--csv", formula});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.out.find(formula + ",'=cmd|'/Ccalc'!A1,'@SUM(A1),normal,0,0,"),
              std::string::npos)
        << result.out;
}

TEST_F(SummaryCommandTest, NeedsAWine) {
    EXPECT_EQ(RunCli({"summary"}).status, 2);
    EXPECT_EQ(RunCli({"summary", "--csv"}).status, 2);
}

} // namespace
} // namespace zephra::test
