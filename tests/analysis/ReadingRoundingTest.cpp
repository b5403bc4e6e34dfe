#include "analysis/ReadingRounding.h"

#include <gtest/gtest.h>

#include <vector>

namespace zephra {
namespace {

// Readings every 15 s. The rate of an interval is Δt/ΔV (s/ml); rounding can
// account for a share 1/Δt + 0.1/ΔV of it (1 s and 0.1 ml across its two
// ends), or 0.1/Δt + 0.1/ΔV with times to 0.1 s. A point is skipped when its
// rate, less that share, still exceeds the next rate, plus its share.
TEST(FirstFittedPoint, OnlyAFallBeyondRoundingSkipsAPoint) {
    struct Case {
        const char* name;
        std::vector<double> volume;
        std::size_t minSkip;
        ReadingResolution resolution;
        std::size_t first;
    };
    const std::vector<Case> cases{
        // Rates 1.5 and 1.485: 1.5·(1 - 0.0767) = 1.385 is not above
        // 1.485·1.0766 = 1.599, so the equal flow stays (the calculation's
        // own rule skips it: 1.5 > 1.485).
        {"rounding noise", {10.0, 20.1, 30.0, 40.0, 50.0}, 0, WholeSeconds, 0},
        // A flow opened late: rates 7.5 then 1.5; 7.5·(1 - 1/15 - 0.1/2) =
        // 6.63 > 1.5·1.0767 = 1.62, skipped; the next 1.5 against 1.5 stays.
        {"late opening", {2.0, 12.0, 22.0, 32.0, 42.0}, 0, WholeSeconds, 1},
        // The points the user skips are skipped whatever their rates.
        {"user's skip", {10.0, 20.1, 30.0, 40.0, 50.0}, 2, WholeSeconds, 2},
        {"skip beyond the data", {10.0, 20.1, 30.0, 40.0, 50.0}, 9, WholeSeconds, 5},
        // Rates 3, 1.5, 1, 0.75: each falls beyond rounding (2.74 > 1.62,
        // 1.38 > 1.07, 0.93 > 0.80) and the last against nothing: all go.
        {"falling throughout", {5.0, 15.0, 30.0, 50.0}, 0, WholeSeconds, 4},
        // Rates 1.5 and 1.389: within whole-second rounding (1.385 against
        // 1.494), beyond the rounding of tenths (1.475 against 1.411).
        {"whole seconds", {10.0, 20.8, 31.6, 42.4}, 0, WholeSeconds, 0},
        {"tenths of seconds", {10.0, 20.8, 31.6, 42.4}, 0, TenthsOfSeconds, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<double> seconds;
        for (std::size_t i = 0; i < c.volume.size(); ++i) {
            seconds.push_back(15.0 * static_cast<double>(i + 1));
        }
        EXPECT_EQ(FirstFittedPoint(c.volume, seconds, c.minSkip, c.resolution), c.first);
    }
}

// 10, 20 and 40 ml at 10, 20 and 30 s: the flux at the ends from their one
// interval (1 and 2 ml/s), in the middle across both (30/20 = 1.5 ml/s);
// each variance is J²·1/12 + 0.1²/12.
TEST(RoundingVariances, TimeRoundingTimesTheFluxPlusVolumeRounding) {
    const std::vector<double> volume{10, 20, 40};
    const std::vector<double> seconds{10, 20, 30};
    const std::vector<double> whole = RoundingVariances(volume, seconds, WholeSeconds);
    ASSERT_EQ(whole.size(), 3u);
    EXPECT_DOUBLE_EQ(whole[0], 1.01 / 12);
    EXPECT_DOUBLE_EQ(whole[1], 2.26 / 12);
    EXPECT_DOUBLE_EQ(whole[2], 4.01 / 12);
    const std::vector<double> tenths = RoundingVariances(volume, seconds, TenthsOfSeconds);
    EXPECT_DOUBLE_EQ(tenths[2], (4 * 0.01 + 0.01) / 12);
    // A single reading takes its flux from the origin.
    EXPECT_DOUBLE_EQ(
        RoundingVariances(std::vector<double>{30}, std::vector<double>{10}, WholeSeconds)[0],
        9.01 / 12);
}

} // namespace
} // namespace zephra
