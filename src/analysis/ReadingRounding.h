#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace zephra {

// How finely a trial's readings are kept: the record stores volumes to
// 0.1 ml and times in whole seconds; a collection run can keep each
// reading's time to 0.1 s besides.
struct ReadingResolution {
    double Seconds = 1;
    double Ml = 0.1;
};

inline constexpr ReadingResolution WholeSeconds{1, 0.1};
inline constexpr ReadingResolution TenthsOfSeconds{0.1, 0.1};

// The first point the fouling analysis fits (0-based) among the counted
// points (volume in ml, time in s, from the origin): past the `minSkip`
// points the user skips, and past every further leading point whose
// interval is slower than the next one by more than the rounding of the
// readings can explain. A fall that rounding alone could make does not
// decide. Like the calculation's own rule, a resistance that falls to the
// end skips every point.
std::size_t FirstFittedPoint(std::span<const double> volumeMl, std::span<const double> seconds,
                             std::size_t minSkip, const ReadingResolution& resolution);

// The variance (ml²) each reading's volume has from rounding: its time's
// rounding moves it by the flux at that moment, its own rounding adds the
// rest. Both roundings are taken as uniform over one unit of resolution.
// The flux at each point is read from the points themselves (a central
// difference, one-sided at the ends).
std::vector<double> RoundingVariances(std::span<const double> volumeMl,
                                      std::span<const double> seconds,
                                      const ReadingResolution& resolution);

} // namespace zephra
