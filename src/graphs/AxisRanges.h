#pragma once

namespace zephra {

struct PlotSeries;

// The value ranges of a graph's two axes. MinX is always 0.
struct AxisRanges {
    double MinX = 0.0;
    double MaxX = 0.0;
    double MinY = 0.0;
    double MaxY = 0.0;
};

// Ranges of the wine window graph and the laboratory-scale graph: x from 0
// to the next multiple of 0.5 above the last V/A (0.5 to 100); y over all
// points in whole tens, at least 10 wide, from 0 when a model's initial
// resistance (rmP, rmE) lies below it or the range is wider than 100.
// Throws FloatingPointFault on a non-finite input or a range that does not
// fit 64-bit integer arithmetic.
AxisRanges LabAxisRanges(const PlotSeries& series, double rmP, double rmE);

// Ranges of the production-scale graph: y from 0 to about 1.05 times the
// larger of the largest resistance and maxProdR, in tens; x from 0 to a
// whole number (2..10001) above the last V/A and above the V/A where the
// power model (rmP, a, bP) reaches the top. Throws FloatingPointFault where
// that V/A cannot be computed (bP of 0) or on a non-finite value.
AxisRanges ProductionAxisRanges(const PlotSeries& series, double rmP, double bP, double a,
                                double maxProdR);

} // namespace zephra
