#include "reports/ReportResults.h"

#include "analysis/FoulingAnalysisText.h"

namespace zephra {

namespace {

std::string IndexItem(const FoulingAnalysis& a, const IndexBandLimits& limits) {
    if (!a.FI.Seconds) {
        return std::string(NoValue) + " (the trial did not reach 400 ml)";
    }
    return IndexReadingText(a.FI, limits);
}

std::string VmaxItem(const FoulingAnalysis& a) {
    if (!a.Vmax) {
        return a.Best ? std::string(NoValue) + " (the standard law does not describe this trial)"
                      : std::string(NoValue);
    }
    return CapacityIntervalText(*a.Vmax) + "; Vmax \xE2\x89\xA5 " +
           SignificantText(a.Vmax->LowerBound95) + " L/m\xC2\xB2 at 95 %";
}

std::string BestLawItem(const FoulingAnalysis& a) {
    std::string best = BestLawText(a);
    if (!a.NotDistinguishableFrom.empty()) {
        best += " (" + IndistinguishableText(a.NotDistinguishableFrom) + ")";
    }
    return best;
}

std::string ModelsItem(const TWineRec& rec, const DisplayUnits& units) {
    return "exponential model " + StoredEstimateText(rec.ExpectedVolE.text(), units) +
           ", power model " + StoredEstimateText(rec.ExpectedVolP.text(), units) +
           " (production filter)";
}

std::string AnalysisCapacityItem(const FoulingAnalysis& a, const DisplayUnits& units) {
    if (!a.Best || !a.BestCapacity) {
        return NoValue;
    }
    return BestCapacityText(a, units) + " = " + SignificantText(a.BestCapacity->Value) +
           " L/m\xC2\xB2, at least " + SignificantText(a.BestCapacity->LowerBound95) +
           " L/m\xC2\xB2 at 95 % (" + CapacityBasisText(*a.Best, a.TerminalFluxShare) + "; " +
           std::string(CapacityTerms.substr(1, CapacityTerms.size() - 2)) + ")";
}

std::string Verdict(const FoulingAnalysis& a, const IndexBandLimits& limits) {
    if (const std::optional<IndexBand> band = ReadingBandOf(a.FI, limits)) {
        return BandVerdict(*band);
    }
    if (!a.EnoughData) {
        return "Not enough data for a verdict: run the trial longer.";
    }
    if (a.FI.Seconds) {
        return "Index not comparable at these conditions: judge by the capacity.";
    }
    return "The trial did not reach 400 ml: no index; judge by the capacity.";
}

// The pressure the index bands are read at, in the pressure unit shown.
std::string StandardPressureText(const DisplayUnits& units) {
    return units.Metric() ? "2.00 \xC2\xB1 0.07 bar" : "29 \xC2\xB1 1 psi (2 bar)";
}

} // namespace

ReportResults BuildReportResults(const TWineRec& rec, const FoulingAnalysis& a,
                                 const IndexBandLimits& limits, const DisplayUnits& units) {
    ReportResults results;
    results.Items = {
        {"Filterability index", IndexItem(a, limits)},
        {"Vmax", VmaxItem(a)},
        {"Best described by", BestLawItem(a)},
        {"Capacity by the models", ModelsItem(rec, units)},
        {"Capacity by the analysis", AnalysisCapacityItem(a, units)},
    };
    results.Verdict = Verdict(a, limits);
    results.Note = "Bands after Romat (2014): limits " + ShortNumberText(limits.VeryGood) + " / " +
                   ShortNumberText(limits.Good) + " / " + ShortNumberText(limits.Poor) +
                   " s, for a 25 mm membrane at " + StandardPressureText(units) +
                   "; the pore size is not "
                   "recorded, 0.65 \xC2\xB5m is assumed.";
    return results;
}

} // namespace zephra
