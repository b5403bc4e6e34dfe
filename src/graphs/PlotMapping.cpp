#include "graphs/PlotMapping.h"

#include "graphs/FloatingPointFault.h"

#include <cmath>
#include <limits>

namespace zephra {

std::int32_t RoundToPixel(double x) {
    // nearbyint rounds in the default mode: to nearest, halves to even.
    const double rounded = std::nearbyint(CheckedFinite(x));
    if (rounded < std::numeric_limits<std::int32_t>::min() ||
        rounded > std::numeric_limits<std::int32_t>::max()) {
        throw FloatingPointFault(FaultKind::Overflow);
    }
    return static_cast<std::int32_t>(rounded);
}

PixelPoint Translate(const PixelRect& rect, const AxisRanges& ranges, double x, double y) {
    const double width = rect.Width();
    const double height = rect.Height();
    const double xs =
        CheckedDivide(CheckedFinite(width * (x - ranges.MinX)), ranges.MaxX - ranges.MinX);
    const double ys =
        CheckedDivide(CheckedFinite(height * (y - ranges.MinY)), ranges.MaxY - ranges.MinY);
    return {RoundToPixel(xs + rect.Left), RoundToPixel(rect.Bottom - ys)};
}

} // namespace zephra
