#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zephra {

// Input of Regression: point i (1..36) is element i - 1.
using TRegressionData = std::array<double, 36>;

// Least-squares straight line y = m·x + b through points 1..n of x and y,
// with the correlation coefficient r. All sums are kept as doubles and formed
// in point order. There are no guards: n = 0 or all x equal divide by zero,
// and all y equal make r = 0/0. Entries after n are ignored.
void Regression(double& m, double& b, double& r, TRegressionData x, TRegressionData y,
                std::uint16_t n);

// The terms of the fit that depend on x alone: the sums of x and of x·x,
// the mean of x and the sum of squared deviations. A caller fitting many y
// sets against the same x computes them once.
struct RegressionXTerms {
    double Sx = 0;
    double Sxx = 0;
    double meanX = 0;
    double SSxx = 0;
};

RegressionXTerms RegressionXTermsOf(std::span<const double> x);

// The sums that involve y, added point by point in point order.
struct RegressionYSums {
    double Sy = 0;
    double Syy = 0;
    double Sxy = 0;

    void Add(double x, double y) {
        Sy += y;
        const double square = y * y;
        Syy += square;
        const double product = x * y;
        Sxy += product;
    }
};

// The line and correlation of the n points whose terms are given; the
// result is the same, bit for bit, as Regression's.
void FinishRegression(double& m, double& b, double& r, const RegressionXTerms& xTerms,
                      const RegressionYSums& ySums, std::size_t n);

} // namespace zephra
