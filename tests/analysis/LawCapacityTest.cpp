#include "analysis/LawCapacity.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zephra {
namespace {

// c = 0.01 m²/L with a standard error of 0.001 and 10 degrees of freedom:
// t(95 %, two-sided) = 2.228139, t(90 %) = 1.812461. The capacity is κ/c;
// its interval κ/(c ± 2.228139·0.001), its lower bound κ/(c + 1.812461·0.001).
// κ = 1 (Vmax): 100, 1/0.012228 = 81.779 to 1/0.007772 = 128.669, bound
// 1/0.011812 = 84.656. Intermediate at 10 % of J0, κ = ln 10: 230.259,
// 188.302 to 296.272, bound 194.928. Cake at 10 %, κ = 9: 900, 736.007 to
// 1158.024, bound 761.907.
TEST(LawCapacity, IntervalAndLowerBoundFromTheFoulingConstant) {
    struct Case {
        BlockingLaw law;
        double value, low, high, bound;
    };
    const Case cases[] = {
        {BlockingLaw::Standard, 100, 81.778594, 128.669309, 84.656363},
        {BlockingLaw::Complete, 100, 81.778594, 128.669309, 84.656363},
        {BlockingLaw::Intermediate, 230.258509, 188.302171, 296.272032, 194.928480},
        {BlockingLaw::Cake, 900, 736.007344, 1158.023777, 761.907269},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(LawKey(c.law));
        LawFit fit;
        fit.Law = c.law;
        fit.C = 0.01;
        fit.CStdError = 0.001;
        fit.DegreesOfFreedom = 10;
        const CapacityEstimate estimate = CapacityOf(fit, 0.1);
        EXPECT_NEAR(estimate.Value, c.value, 1e-6);
        EXPECT_NEAR(estimate.Low95, c.low, 1e-6);
        ASSERT_TRUE(estimate.High95.has_value());
        EXPECT_NEAR(*estimate.High95, c.high, 1e-6);
        EXPECT_NEAR(estimate.LowerBound95, c.bound, 1e-6);
    }
}

// With a standard error of 0.005 the interval of c reaches below zero
// (0.01 - 0.01114): Vmax has no upper end, while its lower end stays
// 1/(0.01 + 0.01114) = 47.302.
TEST(LawCapacity, IntervalReachingZeroHasNoUpperEnd) {
    LawFit fit;
    fit.Law = BlockingLaw::Standard;
    fit.C = 0.01;
    fit.CStdError = 0.005;
    fit.DegreesOfFreedom = 10;
    const CapacityEstimate estimate = CapacityOf(fit, 0.1);
    EXPECT_FALSE(estimate.High95.has_value());
    EXPECT_NEAR(estimate.Low95, 47.302136, 1e-6);
}

} // namespace
} // namespace zephra
