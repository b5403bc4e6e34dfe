#include "graphs/ModelCurves.h"
#include "graphs/FloatingPointFault.h"
#include "graphs/PlotMapping.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zephra {
namespace {

const PixelRect Rect = GraphWindowPlotRect;

TEST(TracePowerCurve, StepsAThousandthOfTheRangeToTheRightEdge) {
    const AxisRanges ranges{0, 1.0, 0, 100};
    const std::vector<PixelPoint> curve = TracePowerCurve(Rect, ranges, {5, 40, 1.2});
    // The move, then 1000 or 1001 segments (the accumulated step may land
    // just short of MaxX and take one more short step).
    ASSERT_GE(curve.size(), 1001u);
    ASSERT_LE(curve.size(), 1002u);
    EXPECT_EQ(curve.front(), Translate(Rect, ranges, 0, 5));
    EXPECT_EQ(curve.back(), Translate(Rect, ranges, 1.0, 45));
    // Halfway: 5 + 40 * 0.5^1.2.
    EXPECT_EQ(curve[500], Translate(Rect, ranges, 0.5, 5 + 40 * std::pow(0.5, 1.2)));
}

TEST(TracePowerCurve, EndsExactlyWhereItMeetsTheTop) {
    const AxisRanges ranges{0, 3, 0, 130};
    const std::vector<PixelPoint> curve = TracePowerCurve(Rect, ranges, {5, 40, 1.2});
    const double xc = std::exp((std::log(125.0) - std::log(40.0)) / 1.2);
    EXPECT_EQ(curve.back(), Translate(Rect, ranges, xc, 130));
    EXPECT_EQ(curve.back().Y, Rect.Top);
    EXPECT_LT(curve.size(), 1000u);
}

TEST(TraceExponentialCurve, EndsWhereItMeetsTheTopAndIsNotCutBelow) {
    const AxisRanges ranges{0, 2, 20, 100};
    const std::vector<PixelPoint> curve = TraceExponentialCurve(Rect, ranges, {9, 2});
    EXPECT_GT(curve.front().Y, Rect.Bottom); // 9 lies below MinY 20
    EXPECT_EQ(curve.back(), Translate(Rect, ranges, std::log(100.0 / 9) / 2, 100));
}

TEST(ModelCurves, FaultsWhereTheTopCrossingCannotBeComputed) {
    const AxisRanges ranges{0, 1, 0, 50};
    const struct {
        const char* Name;
        bool Power;
        PowerModel P;
        ExponentialModel E;
        FaultKind Kind;
    } cases[] = {
        // a = 60 with bP 0 puts every point above the top: (ln 50 - ln 60) / 0.
        {"power, bP 0", true, {0, 60, 0}, {}, FaultKind::DivisionByZero},
        {"power, RmP above MaxY", true, {60, 1, 1}, {}, FaultKind::InvalidOperation},
        {"power, beyond double", true, {0, 1, -1e10}, {}, FaultKind::Overflow},
        {"exponential, bE 0 above MaxY", false, {}, {60, 0}, FaultKind::DivisionByZero},
        {"exponential, beyond double", false, {}, {-1, 1000}, FaultKind::Overflow},
    };
    for (const auto& c : cases) {
        try {
            if (c.Power) {
                TracePowerCurve(Rect, ranges, c.P);
            } else {
                TraceExponentialCurve(Rect, ranges, c.E);
            }
            ADD_FAILURE() << c.Name;
        } catch (const FloatingPointFault& fault) {
            EXPECT_EQ(fault.Kind(), c.Kind) << c.Name;
        }
    }
}

} // namespace
} // namespace zephra
