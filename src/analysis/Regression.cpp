#include "analysis/Regression.h"

#include <cmath>

namespace zephra {

void Regression(double& m, double& b, double& r, TRegressionData x, TRegressionData y,
                std::uint16_t n) {
    RegressionYSums ySums;
    for (std::size_t i = 0; i < n; ++i) {
        ySums.Add(x[i], y[i]);
    }
    FinishRegression(m, b, r, RegressionXTermsOf(std::span(x.data(), n)), ySums, n);
}

RegressionXTerms RegressionXTermsOf(std::span<const double> x) {
    RegressionXTerms terms;
    for (const double xi : x) {
        terms.Sx += xi;
        const double square = xi * xi;
        terms.Sxx += square;
    }
    const double count = static_cast<double>(x.size());
    terms.meanX = terms.Sx / count;
    terms.SSxx = terms.Sxx - terms.Sx * terms.Sx / count;
    return terms;
}

void FinishRegression(double& m, double& b, double& r, const RegressionXTerms& xTerms,
                      const RegressionYSums& ySums, std::size_t n) {
    const double count = static_cast<double>(n);
    const double meanY = ySums.Sy / count;
    const double SSyy = ySums.Syy - ySums.Sy * ySums.Sy / count;
    const double SSxy = ySums.Sxy - xTerms.Sx * ySums.Sy / count;
    m = SSxy / xTerms.SSxx;
    b = meanY - m * xTerms.meanX;
    r = SSxy / std::sqrt(xTerms.SSxx * SSyy);
}

} // namespace zephra
