#pragma once

#include <span>

namespace zephra {

// A least-squares straight line y = Slope·x + Intercept with its
// coefficient of determination and the standard error of its slope
// (residuals with n - 2 degrees of freedom). Values that cannot be computed
// (fewer than three points, all x equal, all y equal) are NaN.
struct LinearFit {
    double Slope = 0;
    double Intercept = 0;
    double R2 = 0;
    double SlopeStdError = 0;
};

// The line through the points (x[i], y[i]); x and y have the same length.
// The line itself is the one Regression gives.
LinearFit FitLine(std::span<const double> x, std::span<const double> y);

} // namespace zephra
