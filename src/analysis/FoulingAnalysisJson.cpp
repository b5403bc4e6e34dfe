#include "analysis/FoulingAnalysisJson.h"

#include "document/Quantities.h"

#include <array>
#include <cmath>

namespace zephra {

namespace {

using Json = nlohmann::ordered_json;

Json Number(double value) {
    return std::isfinite(value) ? Json(value) : Json(nullptr);
}

Json Number(const std::optional<double>& value) {
    return value ? Number(*value) : Json(nullptr);
}

Json Row(int row) {
    return row > 0 ? Json(row) : Json(nullptr);
}

// The key of the law's constant, in the order of AllBlockingLaws.
constexpr std::array<const char*, 4> ConstantKeys{"Kb_per_h", "Ki_m2_per_L", "Vmax_L_per_m2",
                                                  "Kc_h_m4_per_L2"};

Json ModelJson(const FoulingAnalysis& a, const LawFit& fit) {
    const auto ifFitted = [&fit](double value) {
        return fit.Fitted ? Number(value) : Json(nullptr);
    };
    Json model;
    model["law"] = std::string(LawKey(fit.Law));
    model["fitted"] = fit.Fitted;
    if (!fit.Fitted) {
        model["reason"] = fit.Reason;
    }
    model["J0_LMH"] = ifFitted(fit.Params.J0);
    model[ConstantKeys[static_cast<std::size_t>(fit.Law)]] = ifFitted(fit.Params.K);
    model["t0_s"] = ifFitted(Duration::Hours(fit.Params.T0).InSeconds());
    model["r2"] = fit.Reason == NotEnoughData ? Json(nullptr) : Number(fit.Line.R2);
    model["rms_ml"] = ifFitted(fit.RmsMl);
    model["aicc"] = fit.Fitted ? Number(fit.Aicc) : Json(nullptr);
    model["delta_aicc"] = Number(a.DeltaAicc(fit.Law));
    return model;
}

// The keys of a capacity: its value, interval and lower bound.
void AddCapacity(Json& json, const std::string& prefix, const std::optional<CapacityEstimate>& c) {
    json[prefix + "_L_per_m2"] = c ? Number(c->Value) : Json(nullptr);
    json[prefix + "_ci95_low_L_per_m2"] = c ? Number(c->Low95) : Json(nullptr);
    json[prefix + "_ci95_high_L_per_m2"] = c ? Number(c->High95) : Json(nullptr);
    json[prefix + "_lower_bound95_L_per_m2"] = c ? Number(c->LowerBound95) : Json(nullptr);
}

} // namespace

std::string_view CapacityBasisKey(BlockingLaw law) {
    if (law == BlockingLaw::Standard) {
        return "vmax";
    }
    return CapacityAtTerminalFlux(law) ? "terminal_flux" : "limit";
}

nlohmann::ordered_json FoulingAnalysisJson(const FoulingAnalysis& a) {
    Json json;
    json["wine"] = a.Wine;
    json["filter"] = a.Filter;
    json["points_used"] = a.PointsUsed;
    json["first_row"] = Row(a.FirstRow);
    json["last_row"] = Row(a.LastRow);
    json["lab_area_m2"] = a.LabAreaM2 > 0 ? Number(a.LabAreaM2) : Json(nullptr);
    json["precise_times"] = a.PreciseTimes;
    json["models"] = Json::array();
    for (const LawFit& fit : a.Laws) {
        json["models"].push_back(ModelJson(a, fit));
    }
    json["best"] = a.Best ? Json(std::string(LawKey(*a.Best))) : Json(nullptr);
    json["not_distinguishable_from"] = Json::array();
    for (const BlockingLaw law : a.NotDistinguishableFrom) {
        json["not_distinguishable_from"].push_back(std::string(LawKey(law)));
    }
    AddCapacity(json, "vmax", a.Vmax);
    json["J0_LMH"] = Number(a.J0Lmh);
    json["production_capacity_gal"] = Number(a.ProductionCapacityGal);
    json["best_capacity_basis"] =
        a.Best ? Json(std::string(CapacityBasisKey(*a.Best))) : Json(nullptr);
    json["terminal_flux_share"] = a.TerminalFluxShare;
    AddCapacity(json, "best_capacity", a.BestCapacity);
    json["best_production_capacity_gal"] = Number(a.BestProductionCapacityGal);
    json["trustworthy"] = a.Best ? Json(!a.Verdict.Doubtful()) : Json(nullptr);
    json["doubts"] = Json::array();
    if (a.Verdict.LawUnclear) {
        json["doubts"].push_back("laws_not_distinguishable");
    }
    if (a.Verdict.ResidualRuns) {
        json["doubts"].push_back("residual_runs");
    }
    json["capacity_law"] =
        a.CapacityLaw ? Json(std::string(LawKey(*a.CapacityLaw))) : Json(nullptr);
    AddCapacity(json, "capacity", a.Capacity);
    json["flux_decline_percent"] = Number(a.FluxDeclinePercent);
    json["fi_s"] = Number(a.FI.Seconds);
    json["fi_standard_conditions"] = a.FI.StandardConditions;
    return json;
}

} // namespace zephra
