#pragma once

#include "document/WineRec.h"

#include <array>

namespace zephra {

// The points of one wine as the graphs plot them: V/A (x) and resistance
// (y) of points 1..Count. Index 0 is unused and every entry above Count
// reads as 0, up to two past the last possible point, so that the skip
// rule can look ahead.
struct PlotSeries {
    static constexpr int MaxPoints = 36;

    std::array<double, MaxPoints + 3> VA{};
    std::array<double, MaxPoints + 3> R{};
    int Count = 1;
};

// Reads the VA and R cells of the report table, row 1 always, then every
// following row while its V cell is neither empty nor exactly four blanks.
// Cells read as stored numbers (blank reads as 0).
PlotSeries ReadPlotSeries(const TWineRec& rec);

// The number k of leading points drawn as not used: minSkip (at most 36),
// then one more while the next resistance is larger than the one after it
// and k < Count. A series falling to its end gives k = Count.
int CountSkippedPoints(const PlotSeries& series, int minSkip);

} // namespace zephra
