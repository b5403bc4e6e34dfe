#include "reports/ReportResults.h"

#include "analysis/FoulingAnalysisText.h"
#include "document/NumberMarks.h"
#include "document/TextCatalog.h"

namespace zephra {

namespace {

std::string IndexItem(const FoulingAnalysis& a, const IndexBandLimits& limits) {
    if (!a.FI.Seconds) {
        return std::string(NoValue) + " (" +
               CoreText("ReportResults", "the trial did not reach 400 ml") + ")";
    }
    return IndexReadingText(a.FI, limits);
}

std::string VmaxItem(const FoulingAnalysis& a) {
    if (!a.Vmax) {
        return a.Best ? std::string(NoValue) + " (" +
                            CoreText("ReportResults",
                                     "the standard law does not describe this trial") +
                            ")"
                      : std::string(NoValue);
    }
    std::string item = CapacityIntervalText(*a.Vmax) + "; Vmax \xE2\x89\xA5 " +
                       SignificantText(a.Vmax->LowerBound95) + " L/m\xC2\xB2 at 95 %";
    if (a.Verdict.Doubtful()) {
        item += "; " + CoreText("ReportResults", "doubtful: see the capacity by the analysis");
    }
    return item;
}

std::string BestLawItem(const FoulingAnalysis& a) {
    std::string best = BestLawText(a);
    if (!a.NotDistinguishableFrom.empty()) {
        best += " (" + IndistinguishableText(a.NotDistinguishableFrom) + ")";
    }
    return best;
}

std::string ModelsItem(const TWineRec& rec, const DisplayUnits& units) {
    return FilledIn(
        CoreText("ReportResults", "exponential model %1, power model %2 (production filter)"),
        {StoredEstimateText(rec.ExpectedVolE.text(), units),
         StoredEstimateText(rec.ExpectedVolP.text(), units)});
}

// The capacity to rely on (the best law's while the verdict is clear), and
// the verdict when it is doubtful.
std::string AnalysisCapacityItem(const FoulingAnalysis& a, const DisplayUnits& units) {
    if (!a.Best || !a.Capacity || !a.CapacityLaw) {
        return NoValue;
    }
    std::string basis = CapacityBasisText(*a.CapacityLaw, a.TerminalFluxShare);
    if (a.Verdict.LawUnclear) {
        basis = std::string(LawTitle(*a.CapacityLaw)) + ": " + basis + "; " +
                CoreText("FoulingAnalysis",
                         "the lowest capacity of the laws the trial cannot tell apart");
    }
    std::string item = ProductionVolumeText(a.ProductionCapacityToRelyOnGal, units) + " = " +
                       SignificantText(a.Capacity->Value) + " L/m\xC2\xB2, at least " +
                       SignificantText(a.Capacity->LowerBound95) + " L/m\xC2\xB2 at 95 % (" +
                       basis + "; " +
                       std::string(CapacityTerms.substr(1, CapacityTerms.size() - 2)) + ")";
    if (a.Verdict.Doubtful()) {
        item += "; " + VerdictText(a);
    }
    return item;
}

std::string Verdict(const FoulingAnalysis& a, const IndexBandLimits& limits) {
    if (const std::optional<IndexBand> band = ReadingBandOf(a.FI, limits)) {
        return BandVerdict(*band);
    }
    if (!a.EnoughData) {
        return CoreText("ReportResults", "Not enough data for a verdict: run the trial longer.");
    }
    if (a.FI.Seconds) {
        return CoreText("ReportResults",
                        "Index not comparable at these conditions: judge by the capacity.");
    }
    return CoreText("ReportResults",
                    "The trial did not reach 400 ml: no index; judge by the capacity.");
}

} // namespace

ReportResults BuildReportResults(const TWineRec& rec, const FoulingAnalysis& a,
                                 const IndexBandLimits& limits, const DisplayUnits& units) {
    ReportResults results;
    results.Items = {
        {CoreText("ReportResults", "Filterability index"), IndexItem(a, limits)},
        {"Vmax", VmaxItem(a)},
        {CoreText("ReportResults", "Best described by"), BestLawItem(a)},
        {CoreText("ReportResults", "Capacity by the models"), ModelsItem(rec, units)},
        {CoreText("ReportResults", "Capacity by the analysis"), AnalysisCapacityItem(a, units)},
    };
    results.Verdict = Verdict(a, limits);
    results.Note = FilledIn(
        CoreText("ReportResults", "Bands after Romat (2014): limits %1 / %2 / %3 s, for a 25 mm "
                                  "membrane at %4; the pore size is not "
                                  "recorded, %5 µm is assumed."),
        {ShortNumberText(limits.VeryGood), ShortNumberText(limits.Good),
         ShortNumberText(limits.Poor),
         // The standard pressure in the units the page shows.
         units.Metric() ? "2 ± " + ShownNumber("0.07") + " bar" : "29 ± 1 psi (2 bar)",
         ShownNumber("0.65")});
    return results;
}

} // namespace zephra
