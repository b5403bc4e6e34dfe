#include "analysis/LeastSquares.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zephra {
namespace {

// y = p0 + p1·x + p2·x², linear in its parameters.
ModelAt Parabola(const std::vector<double>& x) {
    return [x](std::size_t i, const Parameters3& p, double& value, Parameters3& gradient) {
        value = p[0] + p[1] * x[i] + p[2] * x[i] * x[i];
        gradient = {1, x[i], x[i] * x[i]};
        return true;
    };
}

// Through three points exactly, whatever the start; the inverse of the
// normal matrix for x = -1, 0, 1 and unit weights: XᵀX = [[3,0,2],[0,2,0],
// [2,0,2]], whose inverse is [[1,0,-1],[0,1/2,0],[-1,0,3/2]].
TEST(LeastSquares, LinearModelGivesTheExactSolutionAndItsInverse) {
    const std::vector<double> x{-1, 0, 1};
    const std::vector<double> y{6, 1, 4}; // 1 - x + 4x²
    const std::vector<double> w{1, 1, 1};
    const LeastSquaresFit fit = FitLeastSquares(y, w, Parabola(x), {100, -50, 7});
    ASSERT_TRUE(fit.Converged);
    EXPECT_NEAR(fit.P[0], 1, 1e-9);
    EXPECT_NEAR(fit.P[1], -1, 1e-9);
    EXPECT_NEAR(fit.P[2], 4, 1e-9);
    EXPECT_NEAR(fit.WeightedSquares, 0, 1e-15);
    ASSERT_TRUE(fit.Invertible);
    const Matrix3 expected{{{1, 0, -1}, {0, 0.5, 0}, {-1, 0, 1.5}}};
    for (std::size_t j = 0; j < 3; ++j) {
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_NEAR(fit.InverseNormal[j][k], expected[j][k], 1e-12) << j << k;
        }
    }
}

// A decaying exponential with an offset, from a start far off, and the
// weights: a point with weight 0 is ignored.
TEST(LeastSquares, NonlinearModelFromAFarStartAndWeights) {
    std::vector<double> x;
    std::vector<double> y;
    std::vector<double> w;
    for (int i = 0; i < 20; ++i) {
        x.push_back(i * 0.5);
        y.push_back(3 * std::exp(-0.4 * i * 0.5) + 2);
        w.push_back(1);
    }
    y[7] += 100;
    w[7] = 0;
    const ModelAt model = [&x](std::size_t i, const Parameters3& p, double& value,
                               Parameters3& gradient) {
        const double e = std::exp(-p[1] * x[i]);
        value = p[0] * e + p[2];
        gradient = {e, -p[0] * x[i] * e, 1};
        return true;
    };
    const LeastSquaresFit fit = FitLeastSquares(y, w, model, {1, 2, 0});
    ASSERT_TRUE(fit.Converged);
    EXPECT_NEAR(fit.P[0], 3, 1e-8);
    EXPECT_NEAR(fit.P[1], 0.4, 1e-8);
    EXPECT_NEAR(fit.P[2], 2, 1e-8);
    EXPECT_NEAR(fit.Residuals[7], 100, 1e-6);
}

// A start outside the model's domain gives no fit; steps that would leave
// the domain are shortened instead of taken.
TEST(LeastSquares, StaysInsideTheModelsDomain) {
    const std::vector<double> x{1, 2, 3, 4};
    const std::vector<double> y{0.5, 1.1, 1.4, 1.7};
    const std::vector<double> w{1, 1, 1, 1};
    // sqrt(p0·x + p1) + p2: defined while p0·x + p1 is positive.
    const ModelAt model = [&x](std::size_t i, const Parameters3& p, double& value,
                               Parameters3& gradient) {
        const double inside = p[0] * x[i] + p[1];
        if (!(inside > 0)) {
            return false;
        }
        const double root = std::sqrt(inside);
        value = root + p[2];
        gradient = {x[i] / (2 * root), 1 / (2 * root), 1};
        return true;
    };
    EXPECT_FALSE(FitLeastSquares(y, w, model, {-1, 0, 0}).Converged);
    const LeastSquaresFit fit = FitLeastSquares(y, w, model, {1, 0.1, 0});
    ASSERT_TRUE(fit.Converged);
    for (const double xi : x) {
        EXPECT_GT(fit.P[0] * xi + fit.P[1], 0);
    }
}

} // namespace
} // namespace zephra
