#pragma once

#include <optional>
#include <span>

namespace zephra {

// The filterability (clogging) index of wine labs, FI = T400 - 2·T200, where
// T200 and T400 are the times (s) at which the cumulative volume reaches 200
// and 400 ml. It is defined for a 25 mm, 0.65 µm membrane at 2 bar.
struct FilterabilityIndex {
    std::optional<double> Seconds;   // nothing when the trial does not reach 400 ml
    bool StandardConditions = false; // a 25 mm filter at 29 ± 1 psi
};

// The index of the readings (volume in ml, time in s, in reading order,
// filtration starting at 0 ml at 0 s), the times found by linear
// interpolation between readings, with the laboratory filter's diameter
// (mm) and pressure (psi).
FilterabilityIndex FilterabilityIndexOf(std::span<const double> volumeMl,
                                        std::span<const double> seconds, double filterDiameterMm,
                                        double pressurePsi);

} // namespace zephra
