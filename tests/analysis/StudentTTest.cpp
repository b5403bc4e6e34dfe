#include "analysis/StudentT.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace zephra {
namespace {

TEST(StudentT, QuantilesMatchTheClosedFormsAndTables) {
    struct Case {
        double coverage;
        int nu;
        double t;
    };
    const double p = 0.975;
    const Case cases[] = {
        // One and two degrees of freedom have closed forms.
        {0.95, 1, std::tan(std::numbers::pi * (p - 0.5))},
        {0.95, 2, (2 * p - 1) / std::sqrt(2 * p * (1 - p))},
        {0.5, 1, 1.0},
        // Published values.
        {0.95, 3, 3.182446305284263},
        {0.95, 10, 2.228138851986274},
        {0.95, 30, 2.042272456301238},
        {0.99, 5, 4.032142983557536},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nu);
        EXPECT_NEAR(StudentTQuantile(c.coverage, c.nu) / c.t, 1, 1e-12);
    }
}

TEST(StudentT, ManyDegreesOfFreedomApproachTheNormalQuantile) {
    EXPECT_NEAR(StudentTQuantile(0.95, 100000), 1.959963984540054, 1e-4);
}

TEST(StudentT, ArgumentsOutOfRangeGiveNoNumber) {
    EXPECT_TRUE(std::isnan(StudentTQuantile(0.95, 0)));
    EXPECT_TRUE(std::isnan(StudentTQuantile(1.0, 5)));
    EXPECT_TRUE(std::isnan(StudentTQuantile(0.0, 5)));
}

} // namespace
} // namespace zephra
