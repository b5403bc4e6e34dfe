#include "analysis/ReadingRounding.h"

#include <algorithm>

namespace zephra {

namespace {

// The variance of a value rounded to `unit`, the rounding error uniform.
double UniformVariance(double unit) {
    return unit * unit / 12;
}

} // namespace

std::size_t FirstFittedPoint(std::span<const double> volumeMl, std::span<const double> seconds,
                             std::size_t minSkip, const ReadingResolution& resolution) {
    const std::size_t n = std::min(volumeMl.size(), seconds.size());
    // The interval ending at point j: its time per volume (a resistance up
    // to a constant factor) and the largest share of it that rounding can
    // account for, from the two readings each of its ends rounds.
    struct Interval {
        double Rate = 0;
        double Tolerance = 0;
    };
    const auto interval = [&](std::size_t j) {
        if (j >= n) {
            return Interval{};
        }
        const double dt = seconds[j] - (j > 0 ? seconds[j - 1] : 0);
        const double dv = volumeMl[j] - (j > 0 ? volumeMl[j - 1] : 0);
        return Interval{dt / dv, resolution.Seconds / dt + resolution.Ml / dv};
    };
    std::size_t k = std::min(minSkip, n);
    while (k < n) {
        const Interval here = interval(k);
        const Interval next = interval(k + 1);
        if (!(here.Rate * (1 - here.Tolerance) > next.Rate * (1 + next.Tolerance))) {
            break;
        }
        ++k;
    }
    return k;
}

std::vector<double> RoundingVariances(std::span<const double> volumeMl,
                                      std::span<const double> seconds,
                                      const ReadingResolution& resolution) {
    const std::size_t n = std::min(volumeMl.size(), seconds.size());
    std::vector<double> variances;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t before = i > 0 ? i - 1 : 0;
        const std::size_t after = i + 1 < n ? i + 1 : i;
        double flux = 0; // ml/s
        if (after > before) {
            flux = (volumeMl[after] - volumeMl[before]) / (seconds[after] - seconds[before]);
        } else {
            flux = volumeMl[i] / seconds[i];
        }
        variances.push_back(flux * flux * UniformVariance(resolution.Seconds) +
                            UniformVariance(resolution.Ml));
    }
    return variances;
}

} // namespace zephra
