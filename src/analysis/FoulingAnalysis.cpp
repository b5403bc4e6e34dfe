#include "analysis/FoulingAnalysis.h"

#include "document/Quantities.h"
#include "document/Windows1252.h"
#include "entry/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zephra {

namespace {

// A reading's precise time may differ from its stored whole seconds by the
// rounding and by the time between the request and the reply.
constexpr double PreciseTimeAgreement = 1.0;

std::optional<double> IfFinite(double value) {
    if (std::isfinite(value)) {
        return value;
    }
    return std::nullopt;
}

double LogSquares(const LawFit& fit) {
    return std::log(std::max(fit.WeightedSquares, std::numeric_limits<double>::min()));
}

std::optional<BlockingLaw> BestLaw(const std::array<LawFit, 4>& laws) {
    std::optional<BlockingLaw> best;
    double smallest = 0;
    for (const LawFit& fit : laws) {
        if (fit.Fitted && (!best || fit.WeightedSquares < smallest)) {
            best = fit.Law;
            smallest = fit.WeightedSquares;
        }
    }
    return best;
}

// The fitted points as the laws take them: hours, L/m² and the variance of
// each throughput from rounding.
TrialPoints TrialPointsOf(const FiltrationPoints& points, std::size_t first, std::size_t count,
                          const ReadingResolution& resolution) {
    TrialPoints trial;
    trial.AreaM2 = points.LabArea;
    const auto volume = std::span(points.Volume).subspan(first, count - first);
    const auto seconds = std::span(points.Time).subspan(first, count - first);
    const double litresPerMl = 1 / MlPerLitre / points.LabArea;
    for (std::size_t i = 0; i < volume.size(); ++i) {
        trial.Hours.push_back(Duration::Seconds(seconds[i]).InHours());
        trial.Throughput.push_back(volume[i] * litresPerMl);
    }
    for (const double variance : RoundingVariances(volume, seconds, resolution)) {
        trial.Variance.push_back(variance * litresPerMl * litresPerMl);
    }
    return trial;
}

// The headline figures from the best law: its capacity, Vmax where it is
// the standard law, J0 and the flux decline.
void BestLawFigures(FoulingAnalysis& a, const TrialPoints& trial,
                    const FoulingConditions& conditions) {
    if (!a.Best) {
        return;
    }
    const LawFit& best = a.Fit(*a.Best);
    for (const LawFit& fit : a.Laws) {
        const std::optional<double> delta = a.DeltaAicc(fit.Law);
        if (fit.Law != best.Law && delta && *delta < IndistinguishableAicc) {
            a.NotDistinguishableFrom.push_back(fit.Law);
        }
    }
    a.Verdict.LawUnclear = !a.NotDistinguishableFrom.empty();
    a.Verdict.ResidualRuns = !ResidualsLookIndependent(best);
    const CapacityEstimate capacity = CapacityOf(best, a.TerminalFluxShare);
    a.BestCapacity = capacity;
    a.CapacityLaw = best.Law;
    a.Capacity = capacity;
    for (const BlockingLaw law : a.NotDistinguishableFrom) {
        const CapacityEstimate other = CapacityOf(a.Fit(law), a.TerminalFluxShare);
        if (other.Value < a.Capacity->Value) {
            a.CapacityLaw = law;
            a.Capacity = other;
        }
    }
    a.ProductionCapacityToRelyOnGal =
        IfFinite(a.Capacity->Value * conditions.ProductionAreaM2 / calc::LitresPerGallon);
    // In the gallons of the calculation's expected volumes, which it stands
    // beside in every output.
    a.BestProductionCapacityGal =
        IfFinite(capacity.Value * conditions.ProductionAreaM2 / calc::LitresPerGallon);
    if (best.Law == BlockingLaw::Standard) {
        a.Vmax = capacity;
        a.ProductionCapacityGal = a.BestProductionCapacityGal;
    }
    a.J0Lmh = best.Params.J0;
    const std::vector<FluxInterval> intervals = FluxIntervals(trial.Hours, trial.Throughput);
    if (!intervals.empty()) {
        a.FluxDeclinePercent = IfFinite(100 * (1 - intervals.back().Flux / best.Params.J0));
    }
}

// The readings' precise times when they belong to the counted points.
bool PreciseTimesFit(std::span<const double> precise, std::span<const double> stored) {
    if (stored.empty() || precise.size() < stored.size()) {
        return false;
    }
    double previous = 0;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (!(precise[i] > previous) || !std::isfinite(precise[i]) ||
            !(std::abs(precise[i] - stored[i]) <= PreciseTimeAgreement)) {
            return false;
        }
        previous = precise[i];
    }
    return true;
}

} // namespace

std::optional<double> FoulingAnalysis::DeltaAicc(BlockingLaw law) const {
    if (!Best || !Fit(law).Fitted) {
        return std::nullopt;
    }
    return Fit(*Best).EffectivePoints * (LogSquares(Fit(law)) - LogSquares(Fit(*Best)));
}

FoulingAnalysis AnalyzeFoulingPoints(const FiltrationPoints& points,
                                     const FoulingConditions& conditions, const LabSettings& lab,
                                     const ReadingResolution& resolution) {
    FoulingAnalysis a;
    a.LabAreaM2 = points.LabArea;
    a.VolumeMl = points.Volume;
    a.Seconds = points.Time;
    a.TerminalFluxShare = lab.TerminalFluxShare;
    const std::size_t count = std::min(points.Volume.size(), points.Time.size());
    const std::size_t first =
        FirstFittedPoint(std::span(points.Volume).first(count), std::span(points.Time).first(count),
                         points.MinSkip, resolution);
    a.PointsUsed = static_cast<int>(count - first);
    if (a.PointsUsed > 0) {
        a.FirstRow = static_cast<int>(first) + 1;
        a.LastRow = static_cast<int>(count);
    }
    a.FI = FilterabilityIndexOf(std::span(points.Volume).first(count),
                                std::span(points.Time).first(count), conditions.FilterDiameterMm,
                                conditions.PressurePsi);

    const TrialPoints trial = TrialPointsOf(points, first, count, resolution);
    for (std::size_t i = 0; i < AllBlockingLaws.size(); ++i) {
        a.Laws[i] = FitBlockingLaw(AllBlockingLaws[i], trial);
    }
    a.EnoughData = a.Laws[0].Reason != NotEnoughData;
    a.Best = BestLaw(a.Laws);
    BestLawFigures(a, trial, conditions);
    return a;
}

FoulingAnalysis AnalyzeFouling(const TWineRec& rec, const LabSettings& lab,
                               std::span<const double> readingSeconds) {
    const TConditions& c = rec.Conditions;
    const FoulingConditions conditions{ReadStoredNumber(c.LabFiltDia.text()),
                                       ReadStoredNumber(c.LabP.text()),
                                       ReadStoredNumber(c.ProdA.text())};
    FiltrationPoints points = FittedPointsOf(rec).value_or(FiltrationPoints{});
    const bool precise = PreciseTimesFit(readingSeconds, points.Time);
    if (precise) {
        points.Time.assign(readingSeconds.begin(), readingSeconds.begin() + points.Time.size());
    }
    FoulingAnalysis a =
        AnalyzeFoulingPoints(points, conditions, lab, precise ? TenthsOfSeconds : WholeSeconds);
    a.PreciseTimes = precise;
    a.Wine = Win1252ToUtf8(c.WineName.text());
    a.Filter = Win1252ToUtf8(c.FilterName.text());
    a.FullWine = a.Wine;
    a.FullFilter = a.Filter;
    return a;
}

FoulingAnalysis AnalyzeWineFouling(const TWineRec& rec, const WineNotes& notes,
                                   const LabSettings& lab) {
    FoulingAnalysis a = AnalyzeFouling(rec, lab, ReadingSeconds(notes));
    a.FullWine = FullWineName(rec, notes);
    a.FullFilter = FullFilterName(rec, notes);
    return a;
}

} // namespace zephra
