#include "analysis/FoulingAnalysis.h"

#include "analysis/StudentT.h"
#include "document/Windows1252.h"
#include "entry/NumberText.h"
#include "entry/UnitConstants.h"

#include <algorithm>
#include <cmath>

namespace zephra {

namespace {

constexpr double SecondsPerHour = 3600;
constexpr double MlPerLitre = 1000;
constexpr double Coverage = 0.95;

std::optional<double> IfFinite(double value) {
    if (std::isfinite(value)) {
        return value;
    }
    return std::nullopt;
}

std::optional<BlockingLaw> BestLaw(const std::array<LawFit, 4>& laws) {
    std::optional<BlockingLaw> best;
    double smallest = 0;
    for (const LawFit& fit : laws) {
        if (fit.Fitted && (!best || fit.RmsMl < smallest)) {
            best = fit.Law;
            smallest = fit.RmsMl;
        }
    }
    return best;
}

// Vmax, its interval, J0, the capacity and the flux decline, from the
// standard law's fit.
void StandardLawFigures(FoulingAnalysis& a, const std::vector<FluxInterval>& intervals,
                        const FoulingConditions& conditions) {
    const LawFit& standard = a.Fit(BlockingLaw::Standard);
    if (!standard.Fitted) {
        return;
    }
    const double vmax = standard.Params.K;
    a.VmaxLPerM2 = vmax;
    a.J0Lmh = standard.Params.J0;
    // Vmax = 1/slope: the slope's interval carried over to first order.
    const double t = StudentTQuantile(Coverage, a.PointsUsed - 2);
    a.VmaxHalfWidth95 = IfFinite(t * standard.Line.SlopeStdError * vmax * vmax);
    a.ProductionCapacityGal = IfFinite(vmax * conditions.ProductionAreaM2 / LitresPerGallon);
    if (!intervals.empty()) {
        a.FluxDeclinePercent = IfFinite(100 * (1 - intervals.back().Flux / standard.Params.J0));
    }
}

} // namespace

FoulingAnalysis AnalyzeFoulingPoints(const FiltrationPoints& points,
                                     const FoulingConditions& conditions) {
    FoulingAnalysis a;
    a.LabAreaM2 = points.LabArea;
    a.VolumeMl = points.Volume;
    a.Seconds = points.Time;
    const std::size_t count = std::min(points.Volume.size(), points.Time.size());
    const std::size_t first = std::min(points.FirstFitted, count);
    a.PointsUsed = static_cast<int>(count - first);
    if (a.PointsUsed > 0) {
        a.FirstRow = static_cast<int>(first) + 1;
        a.LastRow = static_cast<int>(count);
    }
    a.FI = FilterabilityIndexOf(std::span(points.Volume).first(count),
                                std::span(points.Time).first(count), conditions.FilterDiameterMm,
                                conditions.PressurePsi);

    std::vector<double> hours;
    std::vector<double> throughput;
    for (std::size_t i = first; i < count; ++i) {
        hours.push_back(points.Time[i] / SecondsPerHour);
        throughput.push_back(points.Volume[i] / MlPerLitre / points.LabArea);
    }
    for (std::size_t i = 0; i < AllBlockingLaws.size(); ++i) {
        a.Laws[i] = FitBlockingLaw(AllBlockingLaws[i], hours, throughput, points.LabArea);
    }
    a.EnoughData = a.Laws[0].Reason != NotEnoughData;
    a.Best = BestLaw(a.Laws);
    StandardLawFigures(a, FluxIntervals(hours, throughput), conditions);
    return a;
}

FoulingAnalysis AnalyzeFouling(const TWineRec& rec) {
    const TConditions& c = rec.Conditions;
    const FoulingConditions conditions{ReadStoredNumber(c.LabFiltDia.text()),
                                       ReadStoredNumber(c.LabP.text()),
                                       ReadStoredNumber(c.ProdA.text())};
    FoulingAnalysis a =
        AnalyzeFoulingPoints(FittedPointsOf(rec).value_or(FiltrationPoints{}), conditions);
    a.Wine = Win1252ToUtf8(c.WineName.text());
    a.Filter = Win1252ToUtf8(c.FilterName.text());
    return a;
}

} // namespace zephra
