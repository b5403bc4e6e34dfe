// The text outputs of zephra-cli compared byte for byte with golden files:
// the summary (text and CSV), the fouling analysis (text and JSON) and the
// JSON and CSV exports, for the sample wine, for a wine of only
// conditions, whose results are all blank or not computable, and for one
// whose notes keep its full names and comments; the report, the summary,
// the analysis and the JSON export in metric units too, where the CSV and
// JSON are the same files as in US units.
//
// After an intended change of an output, refresh the files with
//   ZEPHRA_UPDATE_GOLDEN=1 ctest --test-dir build -R cli_tests
// and review the difference in git before committing it.

#include "CliRun.h"

#include "support/GoldenFile.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace zephra::test {
namespace {

struct GoldenCase {
    const char* golden;
    // "WINE" stands for the sample, "NEW" for the new wine, "NOTED" for the
    // new wine with notes
    std::vector<std::string> args;
};

// The wines sit in a folder of the test's working directory and are named
// by relative paths, which the summary prints as given.
class GoldenOutputsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directory(folder);
        std::filesystem::copy_file(ZEPHRA_EXAMPLES_DIR "/chardonnay.zph", sample);
        ASSERT_EQ(RunCli(NewWineArgs(fresh)).status, 0);
        std::vector<std::string> args = NewWineArgs(noted);
        args[3] = "Sauvignon Blanc 25 Reserve Lot";
        args.insert(args.end(), {"--comments", "Cold stabilised; \"fined\" twice"});
        ASSERT_EQ(RunCli(args).status, 0);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::vector<std::string> Resolved(std::vector<std::string> args) const {
        for (std::string& arg : args) {
            if (arg == "WINE")
                arg = sample;
            else if (arg == "NEW")
                arg = fresh;
            else if (arg == "NOTED")
                arg = noted;
        }
        return args;
    }

    const std::string folder = "golden-wines";
    const std::string sample = folder + "/chardonnay.zph";
    const std::string fresh = folder + "/conditions-only.zph";
    const std::string noted = folder + "/noted.zph";
};

TEST_F(GoldenOutputsTest, OutputsMatchTheirGoldenFiles) {
    const GoldenCase cases[] = {
        {"summary.txt", {"summary", "WINE", "NEW"}},
        {"summary.csv", {"summary", "--csv", "WINE", "NEW"}},
        {"chardonnay-analyze.txt", {"analyze", "WINE"}},
        {"chardonnay-analyze.json", {"analyze", "--json", "WINE"}},
        {"conditions-only-analyze.txt", {"analyze", "NEW"}},
        {"conditions-only-analyze.json", {"analyze", "--json", "NEW"}},
        {"chardonnay-export.json", {"export", "--format", "json", "WINE"}},
        {"chardonnay-export.csv", {"export", "--format", "csv", "WINE"}},
        {"conditions-only-export.json", {"export", "--format", "json", "NEW"}},
        {"noted-export.json", {"export", "--format", "json", "NOTED"}},
        {"noted-summary.csv", {"summary", "--csv", "NOTED"}},
        {"metric-report.txt", {"report", "--unit-system", "metric", "WINE", "--panel", "table"}},
        {"metric-summary.txt", {"summary", "--unit-system", "metric", "WINE", "NEW"}},
        {"chardonnay-analyze-metric.txt", {"analyze", "--unit-system", "metric", "WINE"}},
        // What programs read is the same in metric units.
        {"summary.csv", {"summary", "--unit-system", "metric", "--csv", "WINE", "NEW"}},
        {"chardonnay-analyze.json", {"analyze", "--unit-system", "metric", "--json", "WINE"}},
        {"chardonnay-export.json",
         {"export", "--unit-system", "metric", "--format", "json", "WINE"}},
        {"conditions-only-export.json",
         {"export", "--unit-system", "metric", "--format", "json", "NEW"}},
    };
    for (const GoldenCase& c : cases) {
        SCOPED_TRACE(c.golden);
        const CliResult result = RunCli(Resolved(c.args));
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(result.out, GoldenBytes(ZEPHRA_GOLDEN_DIR, c.golden, result.out));
    }
}

} // namespace
} // namespace zephra::test
