#include "analysis/FilterabilityIndex.h"

#include <cmath>

namespace zephra {

namespace {

constexpr double StandardDiameterMm = 25;
constexpr double StandardPressurePsi = 29;
constexpr double PressureTolerancePsi = 1;

// The time at which the volume first reaches `target`, or nothing.
std::optional<double> TimeToReach(double target, std::span<const double> volumeMl,
                                  std::span<const double> seconds) {
    double v0 = 0;
    double t0 = 0;
    for (std::size_t i = 0; i < volumeMl.size() && i < seconds.size(); ++i) {
        const double v1 = volumeMl[i];
        const double t1 = seconds[i];
        if (v1 >= target && v1 > v0) {
            return t0 + (target - v0) / (v1 - v0) * (t1 - t0);
        }
        v0 = v1;
        t0 = t1;
    }
    return std::nullopt;
}

} // namespace

FilterabilityIndex FilterabilityIndexOf(std::span<const double> volumeMl,
                                        std::span<const double> seconds, double filterDiameterMm,
                                        double pressurePsi) {
    FilterabilityIndex index;
    index.StandardConditions = filterDiameterMm == StandardDiameterMm &&
                               std::abs(pressurePsi - StandardPressurePsi) <= PressureTolerancePsi;
    const std::optional<double> t200 = TimeToReach(200, volumeMl, seconds);
    const std::optional<double> t400 = TimeToReach(400, volumeMl, seconds);
    if (t200 && t400) {
        const double fi = *t400 - 2 * *t200;
        if (std::isfinite(fi)) {
            index.Seconds = fi;
        }
    }
    return index;
}

} // namespace zephra
