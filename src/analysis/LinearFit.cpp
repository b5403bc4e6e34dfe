#include "analysis/LinearFit.h"

#include "analysis/Regression.h"

#include <cmath>
#include <limits>

namespace zephra {

LinearFit FitLine(std::span<const double> x, std::span<const double> y) {
    const std::size_t n = x.size();
    LinearFit fit;
    if (n < 3 || y.size() != n) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan, nan, nan};
    }
    const RegressionXTerms xTerms = RegressionXTermsOf(x);
    RegressionYSums ySums;
    for (std::size_t i = 0; i < n; ++i) {
        ySums.Add(x[i], y[i]);
    }
    double r = 0;
    FinishRegression(fit.Slope, fit.Intercept, r, xTerms, ySums, n);
    fit.R2 = r * r;
    // The residuals themselves, not the difference of sums, so that a near
    // perfect line keeps a meaningful (tiny) error.
    double squares = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double residual = y[i] - (fit.Slope * x[i] + fit.Intercept);
        squares += residual * residual;
    }
    fit.SlopeStdError = std::sqrt(squares / static_cast<double>(n - 2) / xTerms.SSxx);
    return fit;
}

} // namespace zephra
