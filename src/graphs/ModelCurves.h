#pragma once

#include "graphs/AxisRanges.h"
#include "graphs/PixelGeometry.h"

#include <vector>

namespace zephra {

// Power model: R = RmP + A * (V/A)^BP, with A in units of 10^9 1/m.
struct PowerModel {
    double RmP = 0.0;
    double A = 0.0;
    double BP = 0.0;
};

// Exponential model: R = RmE * e^(BE * V/A).
struct ExponentialModel {
    double RmE = 0.0;
    double BE = 0.0;
};

// The model curves as polylines in picture pixels: the first point is where
// the pen moves to (V/A = 0), every further point the end of one segment.
// The curve steps by a thousandth of the x range (an accumulated sum) up to
// MaxX, and stops early where it leaves the top of the plot, ending exactly
// where it meets MaxY. It is not cut at the bottom. Throws
// FloatingPointFault where the crossing with the top cannot be computed or
// a value leaves the range of double.
std::vector<PixelPoint> TracePowerCurve(const PixelRect& rect, const AxisRanges& ranges,
                                        const PowerModel& model);
std::vector<PixelPoint> TraceExponentialCurve(const PixelRect& rect, const AxisRanges& ranges,
                                              const ExponentialModel& model);

} // namespace zephra
