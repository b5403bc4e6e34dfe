#include "analysis/StudentT.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace zephra {

namespace {

// P(|T| < t) for t = sqrt(nu)·tan(theta), as the finite sums in powers of
// cos(theta) that hold for whole degrees of freedom nu.
double CentralProbability(double theta, int nu) {
    const double s = std::sin(theta);
    const double c = std::cos(theta);
    const double c2 = c * c;
    double term = 1;
    double sum = 0;
    if (nu % 2 == 0) {
        for (int k = 0; k <= (nu - 2) / 2; ++k) {
            if (k > 0) {
                term *= c2 * (2.0 * k - 1) / (2.0 * k);
            }
            sum += term;
        }
        return s * sum;
    }
    if (nu == 1) {
        return 2 * theta / std::numbers::pi;
    }
    for (int k = 0; k <= (nu - 3) / 2; ++k) {
        if (k > 0) {
            term *= c2 * (2.0 * k) / (2.0 * k + 1);
        }
        sum += term;
    }
    return 2 / std::numbers::pi * (theta + s * c * sum);
}

} // namespace

double StudentTQuantile(double coverage, int degreesOfFreedom) {
    if (!(coverage > 0 && coverage < 1) || degreesOfFreedom < 1) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    // The probability rises strictly with theta on (0, pi/2): bisect until
    // the interval cannot shrink any further.
    double low = 0;
    double high = std::numbers::pi / 2;
    for (;;) {
        const double mid = low + (high - low) / 2;
        if (mid <= low || mid >= high) {
            break;
        }
        if (CentralProbability(mid, degreesOfFreedom) < coverage) {
            low = mid;
        } else {
            high = mid;
        }
    }
    return std::sqrt(static_cast<double>(degreesOfFreedom)) * std::tan(low + (high - low) / 2);
}

} // namespace zephra
