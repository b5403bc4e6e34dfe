#include "reports/WineJson.h"

#include "analysis/FoulingAnalysis.h"
#include "analysis/FoulingAnalysisJson.h"
#include "document/Real48.h"
#include "document/Report.h"
#include "reports/CountedRows.h"
#include "reports/FieldText.h"
#include "reports/ResultValue.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdint>

namespace zephra {

namespace {

using Json = nlohmann::ordered_json;

// Whole numbers are written without a fraction ("30", not "30.0").
Json Number(double value) {
    constexpr double Exact = 9007199254740992.0; // 2^53
    if (std::trunc(value) == value && std::fabs(value) < Exact) {
        return static_cast<std::int64_t>(value);
    }
    return value;
}

Json ToJson(const ResultValue& value) {
    if (const double* number = std::get_if<double>(&value)) {
        return Number(*number);
    }
    if (const std::string* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    return nullptr;
}

template <std::size_t N> Json Value(const ShortString<N>& field) {
    return ToJson(ReadResultValue(FieldText(field)));
}

// An expected volume: a number of US gallons also where the record groups
// its thousands ("1,709").
template <std::size_t N> Json GallonValue(const ShortString<N>& field) {
    return ToJson(ReadGallonValue(FieldText(field)));
}

// A text of the notes; null when they hold none.
Json NoteText(const std::string& text) {
    return text.empty() ? Json(nullptr) : Json(text);
}

Json ConditionsJson(const TWineRec& rec, const WineNotes& notes) {
    const TConditions& c = rec.Conditions;
    return {{"wine", Win1252ToUtf8(c.WineName.text())},
            {"filter", Win1252ToUtf8(c.FilterName.text())},
            {"wine_name_full", FullWineName(rec, notes)},
            {"filter_name_full", FullFilterName(rec, notes)},
            {"wine_type", c.WineType.get() == 1 ? "dessert" : "normal"},
            {"lab_pressure_psi", Value(c.LabP)},
            {"lab_filter_diameter_mm", Value(c.LabFiltDia)},
            {"lab_filter_area_cm2", Value(rec.LabA)},
            {"max_pressure_psi", Value(c.ProdP)},
            {"area_m2", Value(c.ProdA)},
            {"rate", Value(c.ProdRate)},
            {"rate_units", StoredQuantities(rec).RateUnit}};
}

Json PointsJson(const TWineRec& rec) {
    Json points = Json::array();
    for (const CountedRow& row : CountedRows(rec)) {
        points.push_back({{"row", row.Number},
                          {"volume_ml", ToJson(ReadResultValue(row.Volume))},
                          {"minutes", ToJson(ReadResultValue(row.Minutes))},
                          {"seconds", ToJson(ReadResultValue(row.Seconds))},
                          {"elapsed_s", Number(row.ElapsedSeconds)},
                          {"va_m", ToJson(ReadResultValue(row.VA))},
                          {"r", ToJson(ReadResultValue(row.R))},
                          {"rexp", ToJson(ReadResultValue(row.Rexp))},
                          {"rpower", ToJson(ReadResultValue(row.Rpower))},
                          {"skipped", row.Skipped}});
    }
    return points;
}

Json ResultsJson(const TWineRec& rec) {
    return {{"exponential",
             {{"rm", Value(rec.RmE)},
              {"b", Value(rec.bE)},
              {"r", Value(rec.rE)},
              {"expected_volume_gal", GallonValue(rec.ExpectedVolE)}}},
            {"power",
             {{"rm", Value(rec.RmP)},
              {"a", Value(rec.a)},
              {"a_per_m", Real48ToDouble(rec.aReal)},
              {"b", Value(rec.bP)},
              {"r", Value(rec.rP)},
              {"expected_volume_gal", GallonValue(rec.ExpectedVolP)}}},
            {"power_fits_better", rec.Model.get() == 1},
            {"max_production_r", Value(rec.MaxProdR)},
            {"lab_equivalent_volume_gal", Value(rec.LabEquivVol)},
            {"lab_face_velocity_gpm_m2", Value(rec.LabFaceVel)},
            {"production_face_velocity_gpm_m2", Value(rec.ProdFaceVel)}};
}

} // namespace

std::string WineJsonText(const TWineRec& rec, const WineNotes& notes) {
    const Json wine = {{"conditions", ConditionsJson(rec, notes)},
                       {"comments", NoteText(notes.Comments)},
                       {"trial_started", NoteText(notes.TrialStarted)},
                       {"skip", rec.Data.MinSkip.get()},
                       {"points", PointsJson(rec)},
                       {"results", ResultsJson(rec)},
                       {"analysis", FoulingAnalysisJson(AnalyzeWineFouling(rec, notes))}};
    return wine.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace zephra
