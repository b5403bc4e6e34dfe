#include "serial/detail/TransferPlan.h"

#include <gtest/gtest.h>

namespace zephra::serial::detail {
namespace {

using std::chrono::milliseconds;

constexpr std::uint32_t kMax = 0xFFFFFFFFu;
const Clock::time_point t0 = Clock::time_point{} + std::chrono::hours(1);

TEST(TransferPlan, AllZeroWaitsForEveryByteWithoutLimit) {
    const TransferPlan plan = TransferPlan::ForRead({}, 4, t0);
    EXPECT_FALSE(plan.Finished(3, t0 + std::chrono::hours(100)));
    EXPECT_TRUE(plan.Finished(4, t0));
    EXPECT_EQ(plan.WaitLimit(0, t0), std::nullopt);
}

TEST(TransferPlan, TotalTimeoutIsMultiplierTimesCountPlusConstant) {
    const TransferPlan plan = TransferPlan::ForRead({0, 10, 500, 0, 0}, 3, t0);
    EXPECT_FALSE(plan.Finished(1, t0 + milliseconds(529)));
    EXPECT_TRUE(plan.Finished(1, t0 + milliseconds(530)));
    EXPECT_EQ(plan.WaitLimit(0, t0 + milliseconds(30)), milliseconds(500));
    EXPECT_EQ(plan.WaitLimit(0, t0 + milliseconds(600)), milliseconds(0));
}

TEST(TransferPlan, IntervalStartsWithTheFirstByteAndRestartsWithEach) {
    TransferPlan plan = TransferPlan::ForRead({100, 0, 0, 0, 0}, 10, t0);
    EXPECT_FALSE(plan.Finished(0, t0 + std::chrono::hours(1)));
    EXPECT_EQ(plan.WaitLimit(0, t0), std::nullopt);
    plan.BytesArrived(t0 + milliseconds(1000));
    EXPECT_EQ(plan.WaitLimit(2, t0 + milliseconds(1040)), milliseconds(60));
    plan.BytesArrived(t0 + milliseconds(1090));
    EXPECT_FALSE(plan.Finished(3, t0 + milliseconds(1150)));
    EXPECT_TRUE(plan.Finished(3, t0 + milliseconds(1190)));
}

TEST(TransferPlan, IntervalAndTotalEndAtWhicheverComesFirst) {
    TransferPlan plan = TransferPlan::ForRead({100, 0, 150, 0, 0}, 10, t0);
    plan.BytesArrived(t0 + milliseconds(120));
    EXPECT_EQ(plan.WaitLimit(1, t0 + milliseconds(120)), milliseconds(30));
    EXPECT_TRUE(plan.Finished(1, t0 + milliseconds(150)));
}

TEST(TransferPlan, MaxIntervalWithoutTotalsReturnsWhatIsQueued) {
    const TransferPlan plan = TransferPlan::ForRead({kMax, 0, 0, 0, 0}, 10, t0);
    EXPECT_TRUE(plan.Finished(0, t0));
}

TEST(TransferPlan, MaxIntervalAndMultiplierWaitForTheFirstByteOnly) {
    const TransferPlan plan = TransferPlan::ForRead({kMax, kMax, 200, 0, 0}, 10, t0);
    EXPECT_FALSE(plan.Finished(0, t0 + milliseconds(199)));
    EXPECT_TRUE(plan.Finished(1, t0 + milliseconds(5)));
    EXPECT_TRUE(plan.Finished(0, t0 + milliseconds(200)));
    EXPECT_EQ(plan.WaitLimit(0, t0 + milliseconds(50)), milliseconds(150));
}

TEST(TransferPlan, WriteUsesOnlyTheWriteTotals) {
    const TransferPlan unlimited = TransferPlan::ForWrite({50, 50, 50, 0, 0}, 8, t0);
    EXPECT_EQ(unlimited.WaitLimit(0, t0), std::nullopt);
    const TransferPlan limited = TransferPlan::ForWrite({0, 0, 0, 2, 100}, 8, t0);
    EXPECT_FALSE(limited.Finished(0, t0 + milliseconds(115)));
    EXPECT_TRUE(limited.Finished(0, t0 + milliseconds(116)));
}

TEST(TransferPlan, HugeTotalsDoNotOverflow) {
    const TransferPlan plan = TransferPlan::ForRead({0, kMax - 1, kMax - 1, 0, 0}, 1000, t0);
    EXPECT_FALSE(plan.Finished(0, t0 + std::chrono::hours(24 * 365)));
}

TEST(TransferPlan, AMaximalMultiplierNeverPutsTheDeadlineInThePast) {
    // From 2148 bytes on, the largest multiplier's total in nanoseconds no
    // longer fits the clock.
    for (const std::uint32_t count : {2147u, 2148u, 100000u, kMax}) {
        SCOPED_TRACE(count);
        const TransferPlan read = TransferPlan::ForRead({0, kMax, 0, 0, 0}, count, t0);
        EXPECT_FALSE(read.Finished(0, t0));
        EXPECT_FALSE(read.Finished(0, t0 + std::chrono::hours(24 * 365)));
        EXPECT_GT(read.WaitLimit(0, t0).value_or(milliseconds::max()), milliseconds(1000));
        const TransferPlan write = TransferPlan::ForWrite({0, 0, 0, kMax, kMax}, count, t0);
        EXPECT_FALSE(write.Finished(0, t0));
        EXPECT_FALSE(write.Finished(0, t0 + std::chrono::hours(24 * 365)));
    }
}

} // namespace
} // namespace zephra::serial::detail
