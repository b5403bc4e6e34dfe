#include "analysis/Regression.h"

#include <cmath>

namespace zephra {

void Regression(double& m, double& b, double& r, TRegressionData x, TRegressionData y,
                std::uint16_t n) {
    RegressionYSums ySums;
    for (std::size_t i = 0; i < n; ++i) {
        ySums.Add(x[i], y[i]);
    }
    FinishRegression(m, b, r, SumRegressionX(std::span(x.data(), n)), ySums, n);
}

RegressionXSums SumRegressionX(std::span<const double> x) {
    RegressionXSums sums;
    for (const double xi : x) {
        sums.Sx += xi;
        const double square = xi * xi;
        sums.Sxx += square;
    }
    return sums;
}

void FinishRegression(double& m, double& b, double& r, const RegressionXSums& xSums,
                      const RegressionYSums& ySums, std::size_t n) {
    const double count = static_cast<double>(n);
    const double meanX = xSums.Sx / count;
    const double meanY = ySums.Sy / count;
    const double SSxx = xSums.Sxx - xSums.Sx * xSums.Sx / count;
    const double SSyy = ySums.Syy - ySums.Sy * ySums.Sy / count;
    const double SSxy = ySums.Sxy - xSums.Sx * ySums.Sy / count;
    m = SSxy / SSxx;
    b = meanY - m * meanX;
    r = SSxy / std::sqrt(SSxx * SSyy);
}

} // namespace zephra
