#include "analysis/Regression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace zephra {
namespace {

TRegressionData Data(std::initializer_list<double> values) {
    TRegressionData data{};
    std::copy(values.begin(), values.end(), data.begin());
    return data;
}

TEST(Regression, PointsOnARisingLineGiveItsSlopeInterceptAndFullCorrelation) {
    double m = 0, b = 0, r = 0;
    Regression(m, b, r, Data({1, 2, 3, 4, 5}), Data({3, 5, 7, 9, 11}), 5);
    EXPECT_EQ(m, 2.0);
    EXPECT_EQ(b, 1.0);
    EXPECT_EQ(r, 1.0);
}

TEST(Regression, PointsOnAFallingLineCorrelateMinusOne) {
    double m = 0, b = 0, r = 0;
    Regression(m, b, r, Data({0, 1, 2, 3}), Data({10, 7, 4, 1}), 4);
    EXPECT_EQ(m, -3.0);
    EXPECT_EQ(b, 10.0);
    EXPECT_EQ(r, -1.0);
}

TEST(Regression, ScatteredPointsFollowTheSumFormulas) {
    // Sx 10, Sy 12, Sxx 30, Syy 40, Sxy 34: SSxx 5, SSyy 4, SSxy 4.
    double m = 0, b = 0, r = 0;
    Regression(m, b, r, Data({1, 2, 3, 4}), Data({2, 2, 4, 4}), 4);
    EXPECT_EQ(m, 4.0 / 5.0);
    EXPECT_EQ(b, 1.0);
    EXPECT_EQ(r, 4.0 / std::sqrt(20.0));
}

TEST(Regression, EntriesAfterNChangeNothingAndTheCallersArraysStayAsTheyWere) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    TRegressionData x = Data({0.01, 0.02, 0.035, 0.05});
    TRegressionData y = Data({26.1, 26.3, 26.2, 26.9});
    double m1 = 0, b1 = 0, r1 = 0;
    Regression(m1, b1, r1, x, y, 4);

    for (std::size_t i = 4; i < x.size(); ++i) {
        x[i] = nan;
        y[i] = 1e300;
    }
    const TRegressionData xBefore = x;
    const TRegressionData yBefore = y;
    double m2 = 0, b2 = 0, r2 = 0;
    Regression(m2, b2, r2, x, y, 4);
    EXPECT_EQ(m1, m2);
    EXPECT_EQ(b1, b2);
    EXPECT_EQ(r1, r2);
    EXPECT_EQ(0, std::memcmp(x.data(), xBefore.data(), sizeof x));
    EXPECT_EQ(0, std::memcmp(y.data(), yBefore.data(), sizeof y));
}

TEST(Regression, AllYEqualLeavesTheCorrelationUndefined) {
    double m = 0, b = 0, r = 0;
    Regression(m, b, r, Data({1, 2, 3, 4}), Data({5, 5, 5, 5}), 4);
    EXPECT_EQ(m, 0.0);
    EXPECT_EQ(b, 5.0);
    EXPECT_TRUE(std::isnan(r));
}

TEST(Regression, SumsAddedPointByPointFinishToTheSameFitBitForBit) {
    const TRegressionData x = Data({-6.2, -5.1, -4.4, -3.9, -3.3, -2.95, -2.7});
    const TRegressionData y = Data({24.1, 24.9, 25.3, 25.35, 26.0, 26.2, 26.9});
    double m1 = 0, b1 = 0, r1 = 0;
    Regression(m1, b1, r1, x, y, 7);
    RegressionYSums ySums;
    for (std::size_t i = 0; i < 7; ++i) {
        ySums.Add(x[i], y[i]);
    }
    double m2 = 0, b2 = 0, r2 = 0;
    FinishRegression(m2, b2, r2, RegressionXTermsOf(std::span(x.data(), 7)), ySums, 7);
    EXPECT_EQ(m1, m2);
    EXPECT_EQ(b1, b2);
    EXPECT_EQ(r1, r2);
}

} // namespace
} // namespace zephra
