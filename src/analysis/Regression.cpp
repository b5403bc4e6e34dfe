#include "analysis/Regression.h"

#include <cmath>

namespace zephra {

void Regression(double& m, double& b, double& r, TRegressionData x, TRegressionData y,
                std::uint16_t n) {
    const std::span<const double> xs(x.data(), n);
    const std::span<const double> ys(y.data(), n);
    RegressionWithXSums(m, b, r, SumRegressionX(xs), xs, ys);
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

void RegressionWithXSums(double& m, double& b, double& r, const RegressionXSums& sums,
                         std::span<const double> x, std::span<const double> y) {
    double Sy = 0;
    double Syy = 0;
    double Sxy = 0;
    for (std::size_t i = 0; i < y.size(); ++i) {
        Sy += y[i];
        const double square = y[i] * y[i];
        Syy += square;
        const double product = x[i] * y[i];
        Sxy += product;
    }
    const double n = static_cast<double>(y.size());
    const double meanX = sums.Sx / n;
    const double meanY = Sy / n;
    const double SSxx = sums.Sxx - sums.Sx * sums.Sx / n;
    const double SSyy = Syy - Sy * Sy / n;
    const double SSxy = Sxy - sums.Sx * Sy / n;
    m = SSxy / SSxx;
    b = meanY - m * meanX;
    r = SSxy / std::sqrt(SSxx * SSyy);
}

} // namespace zephra
