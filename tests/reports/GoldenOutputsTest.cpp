// The text outputs of the reports compared byte for byte with golden files:
// the summary as text and as CSV of three wines (the sample; a dessert rosé
// with an accented name whose results are words, "neg" and "over ...", or
// blank; a new wine, whose values cannot be computed) and the JSON export of
// the sample and of the new wine.
//
// After an intended change of an output, refresh the files with
//   ZEPHRA_UPDATE_GOLDEN=1 ctest --test-dir build -R reports_core_tests
// and review the difference in git before committing it.

#include "reports/WineJson.h"
#include "reports/WineSummary.h"
#include "support/GoldenFile.h"
#include "support/SampleWine.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

TWineRec RoseWithWordsForResults() {
    TWineRec rec = test::SampleWine();
    rec.Conditions.WineName.assign("Ros\xE9 d'\xC9t\xE9"); // Windows-1252
    rec.Conditions.WineType.set(1);
    rec.Conditions.ProdRateUnits.set(1);
    rec.RmE.assign("   neg");
    rec.ExpectedVolP.assign("over 1,000,000,000,000");
    rec.ExpectedVolE.assign("      ");
    rec.bP.clear();
    return rec;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + '\n';
    }
    return text;
}

TEST(GoldenOutputsTest, OutputsMatchTheirGoldenFiles) {
    const TWineRec sample = test::SampleWine();
    const TWineRec fresh{};
    const std::vector<WineSummary> summaries{SummarizeWine("chardonnay.zph", sample),
                                             SummarizeWine("rose.zph", RoseWithWordsForResults()),
                                             SummarizeWine("new.zph", fresh)};
    const std::pair<const char*, std::string> cases[] = {
        {"summary.txt", Joined(SummaryTextLines(summaries))},
        {"summary.csv", SummaryCsvText(summaries)},
        {"chardonnay.json", WineJsonText(sample)},
        {"new-wine.json", WineJsonText(fresh)},
    };
    for (const auto& [golden, actual] : cases) {
        SCOPED_TRACE(golden);
        EXPECT_EQ(actual, test::GoldenBytes(ZEPHRA_GOLDEN_DIR, golden, actual));
    }
}

} // namespace
} // namespace zephra
