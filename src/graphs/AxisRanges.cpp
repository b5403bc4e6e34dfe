#include "graphs/AxisRanges.h"

#include "graphs/FloatingPointFault.h"
#include "graphs/PlotSeries.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zephra {

namespace {

// Truncation toward zero into a 64-bit integer; a value outside its range
// is an overflow rather than a wrapped number.
std::int64_t TruncTo64(double x) {
    const double t = std::trunc(CheckedFinite(x));
    if (t < -9223372036854775808.0 || t >= 9223372036854775808.0) {
        throw FloatingPointFault(FaultKind::Overflow);
    }
    return static_cast<std::int64_t>(t);
}

// Rounding to nearest, halves to even, into a 64-bit integer.
std::int64_t RoundTo64(double x) {
    return TruncTo64(std::nearbyint(CheckedFinite(x)));
}

// 10 * n on 64-bit integers, checked.
double TimesTen(std::int64_t n) {
    std::int64_t product = 0;
    if (__builtin_mul_overflow(n, std::int64_t{10}, &product)) {
        throw FloatingPointFault(FaultKind::Overflow);
    }
    return static_cast<double>(product);
}

} // namespace

AxisRanges LabAxisRanges(const PlotSeries& series, double rmP, double rmE) {
    const int n = series.Count;
    AxisRanges ranges;
    ranges.MinX = 0.0;
    ranges.MaxX = static_cast<double>(TruncTo64(2.0 * series.VA[n]) + 1) / 2.0;
    if (ranges.MaxX < 0.5) {
        ranges.MaxX = 0.5;
    }
    if (ranges.MaxX > 100.0) {
        ranges.MaxX = 100.0;
    }

    double maxY = 0.0;
    double minY = CheckedFinite(series.R[1]);
    for (int i = 1; i <= n; ++i) {
        const double r = CheckedFinite(series.R[i]);
        maxY = std::max(maxY, r);
        minY = std::min(minY, r);
    }
    if (maxY - minY < 10.0) {
        maxY = minY + 10.0;
    }
    const std::int64_t maxTens = TruncTo64(maxY / 10.0);
    if (maxTens == INT64_MAX) {
        throw FloatingPointFault(FaultKind::Overflow);
    }
    maxY = TimesTen(maxTens + 1);
    minY = TimesTen(TruncTo64(minY / 10.0));

    if (CheckedFinite(rmP) < minY || CheckedFinite(rmE) < minY) {
        minY = 0.0;
    }
    if (maxY - minY > 100.0) {
        minY = 0.0;
    }
    ranges.MinY = minY;
    ranges.MaxY = maxY;
    return ranges;
}

AxisRanges ProductionAxisRanges(const PlotSeries& series, double rmP, double bP, double a,
                                double maxProdR) {
    const int n = series.Count;
    double maxY = std::max(0.0, CheckedFinite(maxProdR));
    for (int i = 1; i <= n; ++i) {
        maxY = std::max(maxY, CheckedFinite(series.R[i]));
    }
    maxY = TimesTen(RoundTo64(1.05 * maxY / 10.0));
    if (maxY < 10.0) {
        maxY = 10.0;
    }

    double maxX = CheckedFinite(series.VA[n]);
    if (CheckedFinite(rmP) > 0.0 && maxY - rmP > 0.0 && CheckedFinite(a) > 0.0) {
        const double xc =
            CheckedExp(CheckedDivide(CheckedLn(maxY - rmP) - CheckedLn(a), CheckedFinite(bP)));
        if (xc > maxX) {
            maxX = xc;
        }
    }
    if (maxX < 1.0) {
        maxX = 1.0;
    }
    if (maxX > 9999.0) {
        maxX = 10000.0;
    }
    maxX = static_cast<double>(TruncTo64(maxX) + 1);

    return AxisRanges{0.0, maxX, 0.0, maxY};
}

} // namespace zephra
