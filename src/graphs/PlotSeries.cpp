#include "graphs/PlotSeries.h"

#include "entry/NumberText.h"

#include <algorithm>

namespace zephra {

namespace {

bool EndsTable(const ShortString<6>& v) {
    return v.empty() || v.text() == "    ";
}

} // namespace

PlotSeries ReadPlotSeries(const TWineRec& rec) {
    PlotSeries series;
    int i = 1;
    for (;;) {
        const TTableRow& row = rec.TableData[i - 1];
        series.VA[i] = ReadStoredNumber(row.VA.text());
        series.R[i] = ReadStoredNumber(row.R.text());
        if (i == PlotSeries::MaxPoints || EndsTable(rec.TableData[i].V)) {
            break;
        }
        ++i;
    }
    series.Count = i;
    return series;
}

int CountSkippedPoints(const PlotSeries& series, int minSkip) {
    int k = std::clamp(minSkip, 0, PlotSeries::MaxPoints);
    while (k < series.Count && series.R[k + 1] > series.R[k + 2]) {
        ++k;
    }
    return k;
}

} // namespace zephra
