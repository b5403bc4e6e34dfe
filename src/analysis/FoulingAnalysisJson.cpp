#include "analysis/FoulingAnalysisJson.h"

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

Json ModelJson(const LawFit& fit) {
    Json model;
    model["law"] = std::string(LawKey(fit.Law));
    model["fitted"] = fit.Fitted;
    if (!fit.Fitted) {
        model["reason"] = fit.Reason;
    }
    model["J0_LMH"] = fit.Fitted ? Number(fit.Params.J0) : Json(nullptr);
    model[ConstantKeys[static_cast<std::size_t>(fit.Law)]] =
        fit.Fitted ? Number(fit.Params.K) : Json(nullptr);
    model["r2"] = fit.Reason == NotEnoughData ? Json(nullptr) : Number(fit.Line.R2);
    model["rms_ml"] = fit.Fitted ? Number(fit.RmsMl) : Json(nullptr);
    return model;
}

} // namespace

nlohmann::ordered_json FoulingAnalysisJson(const FoulingAnalysis& a, const DisplayUnits& units) {
    Json json;
    json["wine"] = a.Wine;
    json["filter"] = a.Filter;
    json["points_used"] = a.PointsUsed;
    json["first_row"] = Row(a.FirstRow);
    json["last_row"] = Row(a.LastRow);
    json["lab_area_m2"] = a.LabAreaM2 > 0 ? Number(a.LabAreaM2) : Json(nullptr);
    json["models"] = Json::array();
    for (const LawFit& fit : a.Laws) {
        json["models"].push_back(ModelJson(fit));
    }
    json["best"] = a.Best ? Json(std::string(LawKey(*a.Best))) : Json(nullptr);
    json["vmax_L_per_m2"] = Number(a.VmaxLPerM2);
    json["vmax_ci95_L_per_m2"] = Number(a.VmaxHalfWidth95);
    json["J0_LMH"] = Number(a.J0Lmh);
    if (units.Metric()) {
        json["production_capacity_hL"] =
            a.ProductionCapacityGal ? Number(*a.ProductionCapacityGal * VolumeFactor(units))
                                    : Json(nullptr);
    } else {
        json["production_capacity_gal"] = Number(a.ProductionCapacityGal);
    }
    json["flux_decline_percent"] = Number(a.FluxDeclinePercent);
    json["fi_s"] = Number(a.FI.Seconds);
    json["fi_standard_conditions"] = a.FI.StandardConditions;
    return json;
}

} // namespace zephra
