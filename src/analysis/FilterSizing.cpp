#include "analysis/FilterSizing.h"

#include "analysis/FoulingAnalysisText.h"
#include "analysis/GallonText.h"
#include "document/Quantities.h"
#include "document/Windows1252.h"
#include "entry/FixedText.h"
#include "entry/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zephra {

namespace {

// An element count is not rounded up for a share of an element this small,
// which only the rounding of the numbers makes.
constexpr double ElementRounding = 1e-9;

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string AreaText(double m2) {
    return SignificantText(m2, 3) + " m²";
}

// One of the two fouling models' expected volumes (US gallons for the
// production area), as capacity per m².
SizingEstimate ModelEstimate(EstimateKind kind, std::string_view stored, double productionAreaM2,
                             std::optional<double> cleanFlux) {
    SizingEstimate e;
    e.Kind = kind;
    const bool exponential = kind == EstimateKind::ExponentialModel;
    e.Name = exponential ? "exponential model" : "power model";
    e.RestsOn = std::string("the ") + (exponential ? "exponential" : "power") +
                " model of the filter resistance, for the wine's production area of " +
                AreaText(productionAreaM2) +
                " at its production flow, scaled by area (it holds for the same flow per m²)";
    e.CleanFluxLmh = cleanFlux;
    const std::string text = Trimmed(Win1252ToUtf8(stored));
    const std::optional<double> gallons = ReadGallonText(stored);
    if (text.empty()) {
        e.Note = "not available: the calculation has no " + e.Name + " estimate";
    } else if (!gallons) {
        e.Note = "not available: the " + e.Name + " gives " + text;
    } else if (!(*gallons > 0)) {
        e.Note = "not available: by the " + e.Name +
                 " the clean filter's resistance is already at the production limit";
    } else if (!(productionAreaM2 > 0)) {
        e.Note = "not available: the wine has no production area";
    } else {
        // The estimate is in the gallons the calculation wrote it in.
        e.CapacityLPerM2 = *gallons * calc::LitresPerGallon / productionAreaM2;
    }
    return e;
}

// The analysis' verdict on the fitted law: a clear choice of law and
// residuals that follow it.
void JudgeLaw(SizingEstimate& e, const FoulingAnalysis& a, const LawFit& fit) {
    if (a.Verdict.LawUnclear) {
        e.Trustworthy = false;
        e.Note = "not trustworthy: " + IndistinguishableText(a.NotDistinguishableFrom);
    } else if (a.Verdict.ResidualRuns) {
        e.Trustworthy = false;
        e.Note = "not trustworthy: " + std::string(LawTitle(fit.Law)) +
                 " leaves runs in its residuals, it does not follow the trial closely";
    }
}

SizingEstimate LawEstimate(EstimateKind kind, const FoulingAnalysis& a, BlockingLaw law,
                           const CapacityEstimate& capacity, double pressureRatio) {
    SizingEstimate e;
    e.Kind = kind;
    e.Name = kind == EstimateKind::Vmax ? "Vmax" : std::string(LawTitle(law));
    e.RestsOn = kind == EstimateKind::Vmax ? "standard blocking (the Vmax method)"
                                           : std::string(LawTitle(law)) + ", " +
                                                 CapacityBasisText(law, a.TerminalFluxShare);
    e.CapacityLPerM2 = capacity.Value;
    e.LowerBoundLPerM2 = capacity.LowerBound95;
    e.Law = law;
    const LawFit& fit = a.Fit(law);
    e.Params = ParametersOf(law, fit.Params.J0 * pressureRatio, fit.C, 0);
    e.CleanFluxLmh = e.Params.J0;
    JudgeLaw(e, a, fit);
    return e;
}

// The area by one capacity: V_b over the capacity, or over the law's
// throughput in the batch time when that is smaller; times the safety
// factor.
double NeededArea(const SizingEstimate& e, double capacity, const BatchRequest& r) {
    double area = r.VolumeL / capacity;
    if (e.Law && r.FlowLPerH && *r.FlowLPerH > 0) {
        const double batchHours = r.VolumeL / *r.FlowLPerH;
        const double c = FoulingConstant(*e.Law, e.Params) * *e.CapacityLPerM2 / capacity;
        const LawParameters p = ParametersOf(*e.Law, e.Params.J0, c, 0);
        area = std::max(area, r.VolumeL / ClosedFormThroughput(*e.Law, p, batchHours));
    }
    return area * r.SafetyFactor;
}

std::optional<double> IfFinite(double value) {
    return std::isfinite(value) ? std::optional(value) : std::nullopt;
}

// The batch on `area` at the flow, for a law: at the flow while the
// filter's flux at the production pressure allows it, then at that
// pressure.
void FlowFigures(BatchSizing& s, const BatchRequest& r, double area) {
    const SizingEstimate& e = s.Estimate;
    const double flow = *r.FlowLPerH;
    const double needed = flow / area; // LMH
    if (e.CleanFluxLmh) {
        s.FlowReachable = needed <= *e.CleanFluxLmh;
    }
    const double batch = r.VolumeL / area;
    if (!e.Law) {
        if (s.FlowReachable != false) {
            s.BatchHours = r.VolumeL / flow;
        }
        return;
    }
    const BlockingLaw law = *e.Law;
    const double held = needed >= e.Params.J0 ? 0 : ThroughputAtFlux(law, e.Params, needed);
    s.FlowHeldToEnd = held >= batch;
    if (*s.FlowHeldToEnd) {
        s.BatchHours = batch / needed;
    } else {
        s.BatchHours = IfFinite(held / needed + HoursToThroughput(law, e.Params, batch) -
                                HoursToThroughput(law, e.Params, held));
    }
}

} // namespace

std::vector<SizingEstimate> SizingEstimatesOf(const TWineRec& rec, const FoulingAnalysis& a) {
    const TConditions& c = rec.Conditions;
    const double productionArea = ReadStoredNumber(c.ProdA.text());
    const double labPressure = ReadStoredNumber(c.LabP.text());
    const double pressureRatio = ReadStoredNumber(c.ProdP.text()) / labPressure;
    std::optional<double> cleanFlux;
    if (a.J0Lmh && std::isfinite(pressureRatio) && pressureRatio > 0) {
        cleanFlux = *a.J0Lmh * pressureRatio;
    }
    std::vector<SizingEstimate> estimates{
        ModelEstimate(EstimateKind::ExponentialModel, rec.ExpectedVolE.text(), productionArea,
                      cleanFlux),
        ModelEstimate(EstimateKind::PowerModel, rec.ExpectedVolP.text(), productionArea,
                      cleanFlux)};
    if (a.Vmax && cleanFlux) {
        estimates.push_back(
            LawEstimate(EstimateKind::Vmax, a, BlockingLaw::Standard, *a.Vmax, pressureRatio));
        return estimates;
    }
    SizingEstimate vmax;
    vmax.Name = "Vmax";
    vmax.RestsOn = "standard blocking (the Vmax method)";
    if (!a.Best) {
        vmax.Note = std::string("not available: ") +
                    (a.EnoughData ? "no law describes the trial" : "not enough data");
    } else if (!cleanFlux) {
        vmax.Note = "not available: the wine's laboratory or production pressure is missing";
    } else {
        vmax.Note = "not available: the standard law does not describe this trial (best: " +
                    std::string(LawTitle(*a.Best)) + ")";
    }
    estimates.push_back(vmax);
    if (a.Best && cleanFlux && !a.Vmax) {
        estimates.push_back(
            LawEstimate(EstimateKind::BestLaw, a, *a.Best, *a.BestCapacity, pressureRatio));
    }
    return estimates;
}

BatchSizing SizeBatch(const SizingEstimate& estimate, const BatchRequest& r) {
    BatchSizing s;
    s.Estimate = estimate;
    if (!estimate.CapacityLPerM2 || !(*estimate.CapacityLPerM2 > 0) || !(r.VolumeL > 0) ||
        !(r.SafetyFactor > 0)) {
        return s;
    }
    s.AreaM2 = NeededArea(estimate, *estimate.CapacityLPerM2, r);
    if (estimate.LowerBoundLPerM2 && *estimate.LowerBoundLPerM2 > 0) {
        s.AreaAtLowerBoundM2 = NeededArea(estimate, *estimate.LowerBoundLPerM2, r);
    }
    s.InstalledAreaM2 = s.AreaM2;
    if (r.ElementAreaM2 && *r.ElementAreaM2 > 0) {
        const double elements = std::ceil(*s.AreaM2 / *r.ElementAreaM2 * (1 - ElementRounding));
        if (elements > std::numeric_limits<int>::max()) {
            return s;
        }
        s.Elements = static_cast<int>(elements);
        s.InstalledAreaM2 = elements * *r.ElementAreaM2;
    }
    const double area = *s.InstalledAreaM2;
    if (estimate.Law) {
        s.EndFluxLmh = FluxAtThroughput(*estimate.Law, estimate.Params, r.VolumeL / area);
        s.FluxAboveMinimum = *s.EndFluxLmh >= r.TerminalFluxShare * estimate.Params.J0;
    }
    if (r.FlowLPerH && *r.FlowLPerH > 0) {
        FlowFigures(s, r, area);
    }
    return s;
}

std::vector<BatchSizing> SizeBatchByEach(const std::vector<SizingEstimate>& estimates,
                                         const BatchRequest& request) {
    std::vector<BatchSizing> sizings;
    for (const SizingEstimate& estimate : estimates) {
        sizings.push_back(SizeBatch(estimate, request));
    }
    return sizings;
}

} // namespace zephra
