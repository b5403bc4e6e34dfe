#include "graphs/WineCharts.h"

#include "document/Quantities.h"

#include "graphs/AxisRanges.h"
#include "graphs/FoulingGraphPicture.h"
#include "graphs/GraphColours.h"
#include "graphs/GraphData.h"

#include <algorithm>
#include <cmath>

namespace zephra {

namespace {

using namespace graph_colours;

constexpr int CurveSteps = 200;

template <typename Model>
ChartSeries Curve(std::string label, Colour ink, const AxisRanges& ranges, Model value) {
    ChartSeries curve{std::move(label), ink, PenStyle::Solid, true, MarkerShape::None, {}};
    for (int i = 0; i <= CurveSteps; ++i) {
        const double x = ranges.MaxX * i / CurveSteps;
        curve.Points.push_back({x, value(x)});
    }
    return curve;
}

} // namespace

Chart ResistanceChart(const TWineRec& rec, GraphScale scale) {
    const GraphData data = ReadGraphData(rec);
    const bool production = scale == GraphScale::Production;
    const AxisRanges ranges =
        production ? ProductionAxisRanges(data.Series, data.Power.RmP, data.Power.BP, data.Power.A,
                                          data.MaxProdR)
                   : LabAxisRanges(data.Series, data.Power.RmP, data.Exponential.RmE);
    Chart chart;
    chart.XTitle = "V/A (m)";
    chart.YTitle = "R (10\xE2\x81\xB9 1/m)";
    chart.X = ChartSpan{ranges.MinX, ranges.MaxX};
    chart.Y = ChartSpan{ranges.MinY, ranges.MaxY};

    if (data.UsedPoints() >= 4 && !data.NegativeInterval) {
        if (!data.PowerModelFailed) {
            const PowerModel& p = data.Power;
            chart.Series.push_back(Curve("Power", CornflowerBlue, ranges, [&p](double x) {
                return p.RmP + p.A * std::pow(x, p.BP);
            }));
        }
        const ExponentialModel& e = data.Exponential;
        chart.Series.push_back(Curve("Exponential", DarkTurquoise, ranges,
                                     [&e](double x) { return e.RmE * std::exp(e.BE * x); }));
    }
    if (production) {
        chart.Series.push_back({"Max R",
                                Blue,
                                PenStyle::Dashed,
                                true,
                                MarkerShape::None,
                                {{ranges.MinX, data.MaxProdR}, {ranges.MaxX, data.MaxProdR}}});
    }
    if (!data.NegativeInterval) {
        const PlotSeries& s = data.Series;
        const int skipped = std::min(data.Skipped, s.Count);
        ChartSeries used{"Data", Green, PenStyle::Solid, false, MarkerShape::Plus, {}};
        ChartSeries unused{"Unused", FireBrick, PenStyle::Solid, false, MarkerShape::Cross, {}};
        for (int i = 1; i <= s.Count; ++i) {
            (i <= skipped ? unused : used).Points.push_back({s.VA[i], s.R[i]});
        }
        chart.Series.push_back(std::move(used));
        if (!unused.Points.empty()) {
            chart.Series.push_back(std::move(unused));
        }
    }
    return chart;
}

Chart FoulingChart(const FoulingAnalysis& a) {
    Chart chart;
    chart.XTitle = "t (min)";
    chart.YTitle = "V (ml)";
    double lastMinutes = 0;
    double largestVolume = 0;
    ChartSeries used{"Data", Green, PenStyle::Solid, false, MarkerShape::Plus, {}};
    ChartSeries unused{"Unused", FireBrick, PenStyle::Solid, false, MarkerShape::Cross, {}};
    const std::size_t firstUsed =
        a.FirstRow > 0 ? static_cast<std::size_t>(a.FirstRow - 1) : a.VolumeMl.size();
    for (std::size_t i = 0; i < a.VolumeMl.size() && i < a.Seconds.size(); ++i) {
        const ChartPoint p{Duration::Seconds(a.Seconds[i]).InMinutes(), a.VolumeMl[i]};
        lastMinutes = std::max(lastMinutes, p.X);
        largestVolume = std::max(largestVolume, p.Y);
        (i < firstUsed ? unused : used).Points.push_back(p);
    }
    chart.X = ChartSpan{0, lastMinutes};
    chart.Y = ChartSpan{0, largestVolume * 1.05};
    for (const LawFit& fit : a.Laws) {
        if (!fit.Fitted) {
            continue;
        }
        const LawPen pen = LawPenOf(fit.Law);
        ChartSeries curve{std::string(LawKey(fit.Law)) + (a.Best == fit.Law ? " (best)" : ""),
                          pen.Ink,
                          pen.Style,
                          true,
                          MarkerShape::None,
                          {}};
        for (int i = 0; i <= CurveSteps; ++i) {
            const double minutes = lastMinutes * i / CurveSteps;
            curve.Points.push_back(
                {minutes,
                 Volume::Litres(ClosedFormThroughput(fit.Law, fit.Params,
                                                     Duration::Minutes(minutes).InHours()) *
                                a.LabAreaM2)
                     .InMl()});
        }
        chart.Series.push_back(std::move(curve));
    }
    chart.Series.push_back(std::move(used));
    if (!unused.Points.empty()) {
        chart.Series.push_back(std::move(unused));
    }
    return chart;
}

} // namespace zephra
