#pragma once

#include "document/WineRec.h"
#include "graphs/AxisRanges.h"
#include "graphs/ModelCurves.h"
#include "graphs/PlotSeries.h"

namespace zephra {

// What the three graphs read from a wine record.
struct GraphData {
    PlotSeries Series;
    int Skipped = 0;  // points 1..Skipped are drawn as not used
    PowerModel Power; // A is aReal / 10^9
    ExponentialModel Exponential;
    bool PowerModelFailed = false; // RmP blank: the power fit found no result
    bool NegativeInterval = false; // RmE is the marker "   neg"
    double MaxProdR = 0.0;

    int UsedPoints() const { return Series.Count - Skipped; }
};

GraphData ReadGraphData(const TWineRec& rec);

} // namespace zephra
