#include "analysis/FoulingAnalysisJson.h"

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

const char* ConstantKey(BlockingLaw law) {
    switch (law) {
    case BlockingLaw::Complete:
        return "Kb_per_h";
    case BlockingLaw::Intermediate:
        return "Ki_m2_per_L";
    case BlockingLaw::Standard:
        return "Vmax_L_per_m2";
    case BlockingLaw::Cake:
        return "Kc_h_m4_per_L2";
    }
    return "";
}

Json ModelJson(const LawFit& fit) {
    Json model;
    model["law"] = LawKey(fit.Law);
    model["fitted"] = fit.Fitted;
    if (!fit.Fitted) {
        model["reason"] = fit.Reason;
    }
    model["J0_LMH"] = fit.Fitted ? Number(fit.Params.J0) : Json(nullptr);
    model[ConstantKey(fit.Law)] = fit.Fitted ? Number(fit.Params.K) : Json(nullptr);
    model["r2"] = fit.Reason == NotEnoughData ? Json(nullptr) : Number(fit.Line.R2);
    model["rms_ml"] = fit.Fitted ? Number(fit.RmsMl) : Json(nullptr);
    return model;
}

} // namespace

nlohmann::ordered_json FoulingAnalysisJson(const FoulingAnalysis& a) {
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
    json["best"] = a.Best ? Json(LawKey(*a.Best)) : Json(nullptr);
    json["vmax_L_per_m2"] = Number(a.VmaxLPerM2);
    json["vmax_ci95_L_per_m2"] = Number(a.VmaxHalfWidth95);
    json["J0_LMH"] = Number(a.J0Lmh);
    json["production_capacity_gal"] = Number(a.ProductionCapacityGal);
    json["flux_decline_percent"] = Number(a.FluxDeclinePercent);
    json["fi_s"] = Number(a.FI.Seconds);
    json["fi_standard_conditions"] = a.FI.StandardConditions;
    return json;
}

} // namespace zephra
