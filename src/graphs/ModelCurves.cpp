#include "graphs/ModelCurves.h"

#include "graphs/FloatingPointFault.h"
#include "graphs/PlotMapping.h"

namespace zephra {

namespace {

// Steps x from 0 to MaxX by 0.001 * MaxX; `valueAt` gives the curve at x,
// `topCrossing` the x where it reaches MaxY.
template <typename ValueAt, typename TopCrossing>
std::vector<PixelPoint> TraceCurve(const PixelRect& rect, const AxisRanges& ranges, double start,
                                   ValueAt valueAt, TopCrossing topCrossing) {
    std::vector<PixelPoint> points;
    points.push_back(Translate(rect, ranges, 0.0, start));
    const double step = 0.001 * ranges.MaxX;
    double x = 0.0;
    bool last = false;
    while (!last) {
        double xn = x + step;
        if (xn > ranges.MaxX) {
            xn = ranges.MaxX;
            last = true;
        }
        double y = valueAt(xn);
        if (y > ranges.MaxY) {
            y = ranges.MaxY;
            xn = topCrossing();
            last = true;
        }
        points.push_back(Translate(rect, ranges, xn, y));
        x = xn;
    }
    return points;
}

} // namespace

std::vector<PixelPoint> TracePowerCurve(const PixelRect& rect, const AxisRanges& ranges,
                                        const PowerModel& model) {
    return TraceCurve(
        rect, ranges, model.RmP,
        [&](double xn) {
            return CheckedFinite(model.A * CheckedExp(model.BP * CheckedLn(xn)) + model.RmP);
        },
        [&] {
            return CheckedExp(
                CheckedDivide(CheckedLn(ranges.MaxY - model.RmP) - CheckedLn(model.A), model.BP));
        });
}

std::vector<PixelPoint> TraceExponentialCurve(const PixelRect& rect, const AxisRanges& ranges,
                                              const ExponentialModel& model) {
    return TraceCurve(
        rect, ranges, model.RmE,
        [&](double xn) { return CheckedFinite(model.RmE * CheckedExp(model.BE * xn)); },
        [&] { return CheckedDivide(CheckedLn(CheckedDivide(ranges.MaxY, model.RmE)), model.BE); });
}

} // namespace zephra
