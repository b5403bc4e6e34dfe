#include "analysis/FoulingAnalysisText.h"

#include "document/NumberMarks.h"
#include "document/Quantities.h"

#include "document/TextCatalog.h"
#include "entry/FixedText.h"
#include "entry/ShownQuantities.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string_view>

namespace zephra {

namespace {

std::string Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

std::string ConstantText(const LawFit& fit) {
    const std::optional<double> value =
        fit.Fitted ? std::optional<double>(fit.Params.K) : std::nullopt;
    switch (fit.Law) {
    case BlockingLaw::Complete:
        return "Kb = " + SignificantText(value) + " 1/h";
    case BlockingLaw::Intermediate:
        return "Ki = " + SignificantText(value) + " m²/L";
    case BlockingLaw::Standard:
        return "Vmax = " + SignificantText(value) + " L/m²";
    case BlockingLaw::Cake:
        return "Kc = " + SignificantText(value) + " h·m⁴/L²";
    }
    return {};
}

} // namespace

namespace {

// SignificantText as written for machines, with the point.
std::string SignificantPointText(double value, int digits) {
    const double magnitude = std::abs(value);
    if (magnitude != 0 && (magnitude < 1e-3 || magnitude >= 1e9)) {
        char text[32];
        const auto end = std::to_chars(std::begin(text), std::end(text), value,
                                       std::chars_format::scientific, digits - 1)
                             .ptr;
        return std::string(text, end);
    }
    int decimals = 0;
    if (magnitude > 0) {
        decimals = digits - 1 - static_cast<int>(std::floor(std::log10(magnitude)));
    }
    return FixedText(value, 0, std::clamp(decimals, 0, 9));
}

// FixedText as people read it.
std::string ShownFixed(double value, int decimals) {
    return ShownNumber(FixedText(value, 0, decimals));
}

} // namespace

std::string SignificantText(std::optional<double> value, int digits) {
    if (!value || !std::isfinite(*value)) {
        return NoValue;
    }
    return ShownNumber(SignificantPointText(*value, digits));
}

std::string ShortNumberText(std::optional<double> value, int digits) {
    if (!value || !std::isfinite(*value)) {
        return NoValue;
    }
    std::string text = SignificantPointText(*value, digits);
    if (text.find('.') != std::string::npos && text.find('e') == std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') {
            text.pop_back();
        }
    }
    return ShownNumber(text);
}

std::vector<std::vector<std::string>> FoulingTableRows(const FoulingAnalysis& a) {
    std::vector<std::vector<std::string>> rows{
        {ShownText("FoulingAnalysis", "Law"), "J0 (LMH)", ShownText("FoulingAnalysis", "Constant"),
         "t0 (s)", "R²", "RMS (ml)", "ΔAICc", ShownText("FoulingAnalysis", "Note")}};
    for (const LawFit& fit : a.Laws) {
        const bool lineShown = fit.Reason != NotEnoughData && std::isfinite(fit.Line.R2);
        const auto ifFitted = [&fit](double value) {
            return fit.Fitted ? std::optional(value) : std::nullopt;
        };
        std::string note = fit.Fitted ? std::string() : "not fitted: " + fit.Reason;
        if (a.Best == fit.Law) {
            note = ShownText("FoulingAnalysis", "best");
        } else if (std::ranges::find(a.NotDistinguishableFrom, fit.Law) !=
                   a.NotDistinguishableFrom.end()) {
            note = ShownText("FoulingAnalysis", "not distinguishable from the best");
        }
        const std::optional<double> delta = a.DeltaAicc(fit.Law);
        rows.push_back({std::string(LawTitle(fit.Law)), SignificantText(ifFitted(fit.Params.J0)),
                        ConstantText(fit),
                        fit.Fitted ? ShownFixed(Duration::Hours(fit.Params.T0).InSeconds(), 1) : NoValue,
                        lineShown ? ShownFixed(fit.Line.R2, 4) : NoValue,
                        SignificantText(ifFitted(fit.RmsMl), 3),
                        delta ? ShownFixed(*delta, 1) : NoValue, note});
    }
    return rows;
}

std::string TabSeparated(const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            text += (i > 0 ? "\t" : "") + row[i];
        }
        text += '\n';
    }
    return text;
}

std::string BestLawText(const FoulingAnalysis& a) {
    if (!a.EnoughData) {
        return std::string(NotEnoughData);
    }
    if (!a.Best && std::ranges::any_of(
                       a.Laws, [](const LawFit& fit) { return fit.Reason == TooEarlyToTell; })) {
        return std::string(TooEarlyToTell);
    }
    return a.Best ? std::string(LawTitle(*a.Best)) : "none";
}

std::string IndistinguishableText(const std::vector<BlockingLaw>& laws) {
    std::string text;
    for (const BlockingLaw law : laws) {
        text += (text.empty() ? "not distinguishable from " : " or ") + std::string(LawTitle(law));
    }
    return text;
}

std::string CapacityIntervalText(const CapacityEstimate& c) {
    const std::string interval = c.High95
                                     ? SignificantText(c.Low95) + "–" + SignificantText(c.High95)
                                     : "from " + SignificantText(c.Low95) + ", no upper end";
    return SignificantText(c.Value) + " L/m² (95 %: " + interval + ")";
}

std::string VmaxText(const FoulingAnalysis& a) {
    return a.Vmax ? CapacityIntervalText(*a.Vmax) : NoValue;
}

std::string ProductionVolumeText(const std::optional<double>& gallons, const DisplayUnits& units) {
    return gallons ? ShownVolume(*gallons, units) + " " + std::string(VolumeUnit(units)) : NoValue;
}

std::string CapacityText(const FoulingAnalysis& a, const DisplayUnits& units) {
    return ProductionVolumeText(a.ProductionCapacityGal, units);
}

std::string StoredEstimateText(std::string_view text, const DisplayUnits& units) {
    const std::string value = Trimmed(ShownEstimate(text, units));
    return value.empty() ? NoValue : value + " " + std::string(VolumeUnit(units));
}

std::string BestCapacityText(const FoulingAnalysis& a, const DisplayUnits& units) {
    return ProductionVolumeText(a.BestProductionCapacityGal, units);
}

std::string CapacityBasisText(BlockingLaw law, double terminalFluxShare) {
    if (law == BlockingLaw::Standard) {
        return "Vmax";
    }
    if (!CapacityAtTerminalFlux(law)) {
        return "the limit J0/Kb";
    }
    return "the throughput at " + ShortNumberText(100 * terminalFluxShare, 3) + " % of J0";
}

std::string VerdictText(const FoulingAnalysis& a) {
    if (!a.Best) {
        return NoValue;
    }
    if (!a.Verdict.Doubtful()) {
        return CoreText("FoulingAnalysis", "the law is clear and follows the trial");
    }
    std::string reasons;
    if (a.Verdict.LawUnclear) {
        reasons = CoreText("FoulingAnalysis", "the trial cannot tell the laws apart");
    }
    if (a.Verdict.ResidualRuns) {
        reasons += (reasons.empty() ? "" : "; ") +
                   FilledIn(CoreText("FoulingAnalysis",
                                     "%1 leaves runs in its residuals, it does not follow the "
                                     "trial closely (did the pressure wobble or drift?)"),
                            {std::string(LawTitle(*a.Best))});
    }
    return FilledIn(CoreText("FoulingAnalysis", "doubtful: %1"), {reasons});
}

std::string LawWithDoubt(const std::string& law, bool doubtful) {
    return doubtful ? law + " (" + CoreText("FoulingAnalysis", "doubtful") + ")" : law;
}

std::string ReliedCapacityText(const FoulingAnalysis& a) {
    if (!a.Capacity || !a.CapacityLaw) {
        return NoValue;
    }
    std::string source = std::string(LawTitle(*a.CapacityLaw)) + ": " +
                         CapacityBasisText(*a.CapacityLaw, a.TerminalFluxShare);
    if (a.Verdict.LawUnclear) {
        source += "; " + CoreText("FoulingAnalysis",
                                  "the lowest capacity of the laws the trial cannot tell apart");
    }
    return CapacityIntervalText(*a.Capacity) + ", at least " +
           SignificantText(a.Capacity->LowerBound95) + " L/m² at 95 % (" + source + ")";
}

std::vector<std::pair<std::string, std::string>>
FoulingSummaryItems(const FoulingAnalysis& a, const TWineRec& rec, const DisplayUnits& units) {
    std::string points = std::to_string(a.PointsUsed);
    if (a.PointsUsed > 0) {
        points += " (rows " + std::to_string(a.FirstRow) + " to " + std::to_string(a.LastRow) + ")";
    }
    std::string fi = ShownText("FoulingAnalysis", "not reached");
    if (a.FI.Seconds) {
        fi = ShownFixed(*a.FI.Seconds, 1) + " s";
        if (!a.FI.StandardConditions) {
            fi += " (non-standard conditions)";
        }
    }
    std::string best = BestLawText(a);
    if (!a.NotDistinguishableFrom.empty()) {
        best += " (" + IndistinguishableText(a.NotDistinguishableFrom) + ")";
    }
    std::string vmax = VmaxText(a);
    if (a.Best && !a.Vmax) {
        vmax += " (the standard law does not describe this trial best)";
    }
    std::string capacity = NoValue;
    if (a.Best && a.BestCapacity) {
        capacity = CapacityIntervalText(*a.BestCapacity) + ", at least " +
                   SignificantText(a.BestCapacity->LowerBound95) + " L/m² at 95 % (" +
                   std::string(LawTitle(*a.Best)) + ": " +
                   CapacityBasisText(*a.Best, a.TerminalFluxShare) + ")";
    }
    const auto withTerms = [](const std::string& volume) {
        return volume == NoValue ? volume : volume + " " + std::string(CapacityTerms);
    };
    return {
        {ShownText("FoulingAnalysis", "Points used"), points},
        {ShownText("FoulingAnalysis", "Reading times"),
         a.PreciseTimes ? ShownText("FoulingAnalysis", "to 0.1 s, as collected")
                        : ShownText("FoulingAnalysis", "whole seconds")},
        {ShownText("FoulingAnalysis", "Best described by"), best},
        {"Vmax", vmax},
        {ShownText("FoulingAnalysis", "Vmax lower bound"),
         a.Vmax ? "at least " + SignificantText(a.Vmax->LowerBound95) + " L/m² at 95 %" : NoValue},
        {"J0", a.J0Lmh ? SignificantText(a.J0Lmh) + " LMH" : NoValue},
        {ShownText("FoulingAnalysis", "Capacity by Vmax"), withTerms(CapacityText(a, units))},
        {ShownText("FoulingAnalysis", "Best law's capacity"), capacity},
        {ShownText("FoulingAnalysis", "Production capacity"),
         withTerms(BestCapacityText(a, units))},
        {ShownText("FoulingAnalysis", "Verdict"), VerdictText(a)},
        {ShownText("FoulingAnalysis", "Capacity to rely on"), ReliedCapacityText(a)},
        {ShownText("FoulingAnalysis", "Exponential model estimate"),
         StoredEstimateText(rec.ExpectedVolE.text(), units)},
        {ShownText("FoulingAnalysis", "Power model estimate"),
         StoredEstimateText(rec.ExpectedVolP.text(), units)},
        {ShownText("FoulingAnalysis", "Flux decline"),
         a.FluxDeclinePercent ? ShownFixed(*a.FluxDeclinePercent, 1) + " %" : NoValue},
        {ShownText("FoulingAnalysis", "Filterability index"), fi},
    };
}

} // namespace zephra
