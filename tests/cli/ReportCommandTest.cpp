#include "CliRun.h"

#include "support/GoldenFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zephra::test {
namespace {

const std::string Sample = std::string(ZEPHRA_EXAMPLES_DIR) + "/chardonnay.zph";

std::string Golden(const std::string& name) {
    return FileBytes(std::string(ZEPHRA_GOLDEN_DIR) + "/" + name);
}

// With ZEPHRA_UPDATE_GOLDEN set, the panels are written to their golden
// files first (see golden/README.md).
TEST(ReportCommandTest, PanelsMatchTheirGoldenFiles) {
    for (const char* panel : {"summary", "table"}) {
        const std::string out = RunCli({"report", "--panel", panel, Sample}).out;
        const std::string name = std::string("chardonnay-") + panel + ".txt";
        EXPECT_EQ(out, GoldenBytes(ZEPHRA_GOLDEN_DIR, name, out)) << panel;
    }
}

TEST(ReportCommandTest, PrintsBothPanelsSummaryFirst) {
    const CliResult result = RunCli({"report", Sample});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.err.empty());
    EXPECT_EQ(result.out, Golden("chardonnay-summary.txt") + Golden("chardonnay-table.txt"));
}

TEST(ReportCommandTest, PrintsOnePanel) {
    EXPECT_EQ(RunCli({"report", "--panel", "summary", Sample}).out,
              Golden("chardonnay-summary.txt"));
    EXPECT_EQ(RunCli({"report", Sample, "--panel", "table"}).out, Golden("chardonnay-table.txt"));
}

TEST(ReportCommandTest, UnreadableFileGivesTheOpenMessages) {
    TempFolder folder;
    std::ofstream(folder.file("short.zph")) << "too short";
    const CliResult shortFile = RunCli({"report", folder.file("short.zph")});
    EXPECT_EQ(shortFile.status, 1);
    EXPECT_EQ(shortFile.err, folder.file("short.zph") + ": Error reading the data file.\n");
    EXPECT_TRUE(shortFile.out.empty());

    const CliResult missing = RunCli({"report", folder.file("none.zph")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              folder.file("none.zph") + ": I/O Error type 2 occurred while reading file.\n");
}

} // namespace
} // namespace zephra::test
