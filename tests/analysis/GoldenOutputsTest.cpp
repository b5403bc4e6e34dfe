// The texts of the fouling analysis compared byte for byte with golden
// files: the table as "Copy Table" gives it, the summary items, and the
// analysis as JSON, for three wines: the sample, best described by cake
// filtration; a trial that follows the standard blocking law, without the
// filterability calculation's results; and a wine without data, whose
// values cannot be computed.
//
// After an intended change of an output, refresh the files with
//   ZEPHRA_UPDATE_GOLDEN=1 ctest --test-dir build -R analysis_tests
// and review the difference in git before committing it.

#include "AnalysisTestSupport.h"
#include "LawTrials.h"
#include "analysis/FoulingAnalysisJson.h"
#include "analysis/FoulingAnalysisText.h"
#include "support/GoldenFile.h"
#include "support/SampleWine.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

// The table, an empty line, then the summary items as label and value.
std::string AnalysisText(const FoulingAnalysis& analysis, const TWineRec& rec) {
    std::vector<std::vector<std::string>> items;
    for (const auto& [label, value] : FoulingSummaryItems(analysis, rec)) {
        items.push_back({label, value});
    }
    return TabSeparated(FoulingTableRows(analysis)) + "\n" + TabSeparated(items);
}

TEST(GoldenOutputsTest, OutputsMatchTheirGoldenFiles) {
    const std::pair<const char*, TWineRec> wines[] = {
        {"chardonnay", test::SampleWine()},
        {"standard-law",
         test::LawWine(BlockingLaw::Standard, test::TypicalParameters(BlockingLaw::Standard), 36)},
        {"no-data", test::MakeWine({}, {})},
    };
    for (const auto& [name, rec] : wines) {
        const FoulingAnalysis analysis = AnalyzeFouling(rec);
        const std::pair<std::string, std::string> cases[] = {
            {std::string(name) + "-analysis.txt", AnalysisText(analysis, rec)},
            {std::string(name) + "-analysis.json", FoulingAnalysisJson(analysis).dump(2) + "\n"},
        };
        for (const auto& [golden, actual] : cases) {
            SCOPED_TRACE(golden);
            EXPECT_EQ(actual, test::GoldenBytes(ZEPHRA_GOLDEN_DIR, golden, actual));
        }
    }
}

} // namespace
} // namespace zephra
