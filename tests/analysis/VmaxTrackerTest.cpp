#include "analysis/VmaxTracker.h"

#include "LawTrials.h"
#include "acquisition/DataCollapse.h"
#include "acquisition/ReadingTexts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace zephra {
namespace {

using test::TypicalParameters;

// A collection of `minutes` on a simulated clock: a reading due every 15 s,
// the interval doubling and the set thinned when its 36 points are full,
// each reply 350 ms after its due time, the volume read to 0.01 g at a
// density of 1 g/ml, MinSkip 1. The tracker sees the wine after every point.
std::vector<VmaxTrackerStatus> CollectOnSimulatedClock(BlockingLaw law, int minutes) {
    TWineRec rec = test::LawWine(law, TypicalParameters(law), 0);
    rec.Data.MinSkip.set(1);
    VmaxTracker tracker;
    std::vector<VmaxTrackerStatus> statuses;
    std::int64_t intervalMs = 15000;
    int r = 1;
    for (;;) {
        if (r == 37) {
            DataCollapse(rec.Data);
            intervalMs *= 2;
            r = 19;
        }
        const std::int64_t replyMs = r * intervalMs + 350;
        if (replyMs > minutes * 60000) {
            break;
        }
        const double grams = test::LawVolumeMl(law, TypicalParameters(law), replyMs / 1000.0);
        const ReadingTexts texts = MakeReadingTexts(std::round(grams * 100) / 100, replyMs);
        rec.Data.V[r - 1].assign(texts.V);
        rec.Data.T[r - 1].M.assign(texts.M);
        rec.Data.T[r - 1].Sc.assign(texts.Sc);
        statuses.push_back(tracker.Update(AnalyzeFouling(rec)));
        ++r;
    }
    return statuses;
}

TEST(VmaxTracker, StandardLawReadingsReachTheMark) {
    const std::vector<VmaxTrackerStatus> statuses =
        CollectOnSimulatedClock(BlockingLaw::Standard, 18);
    // Nothing is shown before four points are fitted (the first is skipped).
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_FALSE(statuses[i].Shown) << i;
        EXPECT_EQ(VmaxTrackerLine(statuses[i]), "");
    }
    EXPECT_TRUE(statuses[4].Shown);
    std::size_t first = statuses.size();
    for (std::size_t i = 0; i < statuses.size(); ++i) {
        if (statuses[i].Known) {
            first = std::min(first, i);
        }
    }
    ASSERT_LT(first, statuses.size());
    // The mark needs three points in a row within ±5 %, all best described
    // by the standard law, and the Vmax it gives is right within 5 %.
    ASSERT_GE(first, 6u);
    for (std::size_t i = first - 2; i <= first; ++i) {
        EXPECT_EQ(statuses[i].Best, BlockingLaw::Standard);
        EXPECT_LE(*statuses[i].HalfWidth95, 0.05 * *statuses[i].VmaxLPerM2);
    }
    EXPECT_NEAR(*statuses[first].VmaxLPerM2 / TypicalParameters(BlockingLaw::Standard).K, 1, 0.05);
    EXPECT_NE(VmaxTrackerLine(statuses[first]).find(VmaxKnownText), std::string::npos);
    EXPECT_TRUE(statuses.back().Known);
}

TEST(VmaxTracker, IntermediateLawReadingsNeverClaimAVmax) {
    const std::vector<VmaxTrackerStatus> statuses =
        CollectOnSimulatedClock(BlockingLaw::Intermediate, 36);
    EXPECT_GT(statuses.size(), 50u);
    for (const VmaxTrackerStatus& status : statuses) {
        EXPECT_FALSE(status.Known);
        EXPECT_EQ(VmaxTrackerLine(status).find(VmaxKnownText), std::string::npos);
    }
    EXPECT_EQ(statuses.back().Best, BlockingLaw::Intermediate);
}

TEST(VmaxTracker, APointOutsideTheBandStartsTheCountAgain) {
    FoulingAnalysis within;
    within.EnoughData = true;
    within.Best = BlockingLaw::Standard;
    within.VmaxLPerM2 = 100;
    within.VmaxHalfWidth95 = 5;
    FoulingAnalysis wide = within;
    wide.VmaxHalfWidth95 = 5.1;
    FoulingAnalysis otherLaw = within;
    otherLaw.Best = BlockingLaw::Cake;

    VmaxTracker tracker;
    EXPECT_FALSE(tracker.Update(within).Known);
    EXPECT_FALSE(tracker.Update(within).Known);
    EXPECT_FALSE(tracker.Update(wide).Known);
    EXPECT_FALSE(tracker.Update(within).Known);
    EXPECT_FALSE(tracker.Update(within).Known);
    EXPECT_TRUE(tracker.Update(within).Known);
    EXPECT_FALSE(tracker.Update(otherLaw).Known);
    const VmaxTrackerStatus status = tracker.Update(within);
    EXPECT_EQ(VmaxTrackerLine(status), "Vmax 100.0 ± 5.0 L/m² (95 %), best law: standard blocking");
}

} // namespace
} // namespace zephra
