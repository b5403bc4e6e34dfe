#pragma once

#include <array>
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

// The sums of x and of x·x over the points. A caller fitting many y sets
// against the same x computes them once; the fit is the same, bit for bit,
// as Regression's.
struct RegressionXSums {
    double Sx = 0;
    double Sxx = 0;
};

RegressionXSums SumRegressionX(std::span<const double> x);

// Regression over the points of x and y (equal sizes) with the x sums given.
void RegressionWithXSums(double& m, double& b, double& r, const RegressionXSums& sums,
                         std::span<const double> x, std::span<const double> y);

} // namespace zephra
