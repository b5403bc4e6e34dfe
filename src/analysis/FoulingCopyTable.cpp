#include "analysis/FoulingCopyTable.h"

#include "analysis/GallonText.h"
#include "document/Quantities.h"

#include <cmath>
#include <cstdio>

namespace zephra {

namespace {

// Nine significant digits: enough for every figure the analysis gives,
// and read back by any spreadsheet.
std::string Number(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) {
        return {};
    }
    char text[40];
    std::snprintf(text, sizeof text, "%.9g", *value);
    return text;
}

const char* const ConstantHeaders[] = {"Kb (1/h)", "Ki (m²/L)", "Vmax (L/m²)", "Kc (h·m⁴/L²)"};

} // namespace

std::vector<std::vector<std::string>> FoulingCopyRows(const FoulingAnalysis& a,
                                                      const TWineRec& rec) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> header{"law", "J0 (LMH)"};
    header.insert(header.end(), std::begin(ConstantHeaders), std::end(ConstantHeaders));
    header.insert(header.end(), {"t0 (s)", "R²", "RMS (ml)", "ΔAICc", "capacity (L/m²)",
                                 "capacity 95 % low (L/m²)", "capacity 95 % high (L/m²)",
                                 "capacity lower bound 95 % (L/m²)"});
    rows.push_back(header);
    for (const LawFit& fit : a.Laws) {
        const auto ifFitted = [&fit](double value) {
            return fit.Fitted ? std::optional(value) : std::nullopt;
        };
        std::vector<std::string> row{std::string(LawKey(fit.Law)), Number(ifFitted(fit.Params.J0))};
        for (const BlockingLaw law : AllBlockingLaws) {
            row.push_back(law == fit.Law ? Number(ifFitted(fit.Params.K)) : std::string());
        }
        row.push_back(Number(ifFitted(Duration::Hours(fit.Params.T0).InSeconds())));
        row.push_back(Number(ifFitted(fit.Line.R2)));
        row.push_back(Number(ifFitted(fit.RmsMl)));
        row.push_back(Number(a.DeltaAicc(fit.Law)));
        if (fit.Fitted) {
            const CapacityEstimate c = CapacityOf(fit, a.TerminalFluxShare);
            row.insert(row.end(), {Number(c.Value), Number(c.Low95), Number(c.High95),
                                   Number(c.LowerBound95)});
        } else {
            row.insert(row.end(), 4, std::string());
        }
        rows.push_back(row);
    }
    rows.emplace_back();
    const auto of = [](const std::optional<CapacityEstimate>& c, double CapacityEstimate::*field) {
        return c ? Number((*c).*field) : std::string();
    };
    rows.push_back({"best law", "Vmax (L/m²)", "Vmax 95 % low (L/m²)", "Vmax 95 % high (L/m²)",
                    "Vmax lower bound 95 % (L/m²)", "best law capacity (L/m²)",
                    "best law capacity lower bound 95 % (L/m²)",
                    "best law production capacity (gal)", "exponential model estimate (gal)",
                    "power model estimate (gal)", "flux decline (%)", "filterability index (s)"});
    rows.push_back(
        {a.Best ? std::string(LawKey(*a.Best)) : std::string(),
         of(a.Vmax, &CapacityEstimate::Value), of(a.Vmax, &CapacityEstimate::Low95),
         a.Vmax ? Number(a.Vmax->High95) : std::string(),
         of(a.Vmax, &CapacityEstimate::LowerBound95), of(a.BestCapacity, &CapacityEstimate::Value),
         of(a.BestCapacity, &CapacityEstimate::LowerBound95), Number(a.BestProductionCapacityGal),
         Number(ReadGallonText(rec.ExpectedVolE.text())),
         Number(ReadGallonText(rec.ExpectedVolP.text())), Number(a.FluxDeclinePercent),
         Number(a.FI.Seconds)});
    return rows;
}

} // namespace zephra
