#include "analysis/FoulingAnalysisText.h"

#include "entry/FixedText.h"
#include "entry/ShownQuantities.h"

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

std::string StoredEstimate(std::string_view text, const DisplayUnits& units) {
    const std::string value = Trimmed(ShownEstimate(text, units));
    return value.empty() ? NoValue : value + " " + std::string(VolumeUnit(units));
}

} // namespace

std::string SignificantText(std::optional<double> value, int digits) {
    if (!value || !std::isfinite(*value)) {
        return NoValue;
    }
    const double magnitude = std::abs(*value);
    if (magnitude != 0 && (magnitude < 1e-3 || magnitude >= 1e9)) {
        char text[32];
        const auto end = std::to_chars(std::begin(text), std::end(text), *value,
                                       std::chars_format::scientific, digits - 1)
                             .ptr;
        return std::string(text, end);
    }
    int decimals = 0;
    if (magnitude > 0) {
        decimals = digits - 1 - static_cast<int>(std::floor(std::log10(magnitude)));
    }
    return FixedText(*value, 0, std::clamp(decimals, 0, 9));
}

std::vector<std::vector<std::string>> FoulingTableRows(const FoulingAnalysis& a) {
    std::vector<std::vector<std::string>> rows{
        {"Law", "J0 (LMH)", "Constant", "R²", "RMS (ml)", "Note"}};
    for (const LawFit& fit : a.Laws) {
        const bool lineShown = fit.Reason != NotEnoughData && std::isfinite(fit.Line.R2);
        std::string note = fit.Fitted ? std::string() : "not fitted: " + fit.Reason;
        if (a.Best == fit.Law) {
            note = "best";
        }
        rows.push_back({std::string(LawTitle(fit.Law)),
                        SignificantText(fit.Fitted ? std::optional(fit.Params.J0) : std::nullopt),
                        ConstantText(fit), lineShown ? FixedText(fit.Line.R2, 0, 4) : NoValue,
                        SignificantText(fit.Fitted ? std::optional(fit.RmsMl) : std::nullopt, 3),
                        note});
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
    return a.Best ? std::string(LawTitle(*a.Best)) : "none";
}

std::string VmaxText(const FoulingAnalysis& a) {
    if (!a.VmaxLPerM2) {
        return NoValue;
    }
    return SignificantText(a.VmaxLPerM2) + " ± " + SignificantText(a.VmaxHalfWidth95, 2) +
           " L/m² (95 %)";
}

std::string CapacityText(const FoulingAnalysis& a, const DisplayUnits& units) {
    if (!a.ProductionCapacityGal) {
        return NoValue;
    }
    return ShownVolume(*a.ProductionCapacityGal, units) + " " + std::string(VolumeUnit(units));
}

std::vector<std::pair<std::string, std::string>>
FoulingSummaryItems(const FoulingAnalysis& a, const TWineRec& rec, const DisplayUnits& units) {
    std::string points = std::to_string(a.PointsUsed);
    if (a.PointsUsed > 0) {
        points += " (rows " + std::to_string(a.FirstRow) + " to " + std::to_string(a.LastRow) + ")";
    }
    std::string fi = "not reached";
    if (a.FI.Seconds) {
        fi = FixedText(*a.FI.Seconds, 0, 1) + " s";
        if (!a.FI.StandardConditions) {
            fi += " (non-standard conditions)";
        }
    }
    return {
        {"Points used", points},
        {"Best described by", BestLawText(a)},
        {"Vmax", VmaxText(a)},
        {"J0", a.J0Lmh ? SignificantText(a.J0Lmh) + " LMH" : NoValue},
        {"Capacity by Vmax", CapacityText(a, units) +
                                 (a.ProductionCapacityGal ? " " + std::string(CapacityTerms) : "")},
        {"Exponential model estimate", StoredEstimate(rec.ExpectedVolE.text(), units)},
        {"Power model estimate", StoredEstimate(rec.ExpectedVolP.text(), units)},
        {"Flux decline",
         a.FluxDeclinePercent ? FixedText(*a.FluxDeclinePercent, 0, 1) + " %" : NoValue},
        {"Filterability index", fi},
    };
}

} // namespace zephra
