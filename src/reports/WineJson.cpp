#include "reports/WineJson.h"

#include "analysis/Calculate.h"
#include "analysis/FoulingAnalysis.h"
#include "analysis/FoulingAnalysisJson.h"
#include "document/Real48.h"
#include "entry/ShownQuantities.h"
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

// A stored value in the unit shown: a number converted by `factor`, a text
// as the report shows it (`shown`).
Json InUnits(const ResultValue& value, double factor, const std::string& shown) {
    if (const double* number = std::get_if<double>(&value)) {
        return Number(*number * factor);
    }
    return std::holds_alternative<std::string>(value) ? Json(std::string(TrimBlanks(shown)))
                                                      : Json(nullptr);
}

template <std::size_t N>
Json InUnits(const ShortString<N>& field, double factor, const std::string& shown) {
    return InUnits(ReadResultValue(FieldText(field)), factor, shown);
}

// A derived result in the unit shown: `exact` where it is known, else as
// InUnits converts the stored text.
template <std::size_t N>
Json DerivedInUnits(const ShortString<N>& field, double factor, const std::string& shown,
                    std::optional<double> exact) {
    return exact ? Number(*exact) : InUnits(field, factor, shown);
}

template <std::size_t N>
Json GallonsInUnits(const ShortString<N>& field, double factor, const std::string& shown) {
    return InUnits(ReadGallonValue(FieldText(field)), factor, shown);
}

// The keys name the units of their values.
struct UnitKeys {
    const char* Pressure;
    const char* Volume;
    const char* FaceVelocity;
};

UnitKeys KeysFor(const DisplayUnits& units) {
    return units.Metric() ? UnitKeys{"_bar", "_hL", "_L_per_m2_h"}
                          : UnitKeys{"_psi", "_gal", "_gpm_m2"};
}

// A text of the notes; null when they hold none.
Json NoteText(const std::string& text) {
    return text.empty() ? Json(nullptr) : Json(text);
}

Json ConditionsJson(const TWineRec& rec, const WineNotes& notes, const DisplayUnits& units) {
    const TConditions& c = rec.Conditions;
    const ReportQuantities shown = ShownQuantities(rec, units);
    const std::string pressure = KeysFor(units).Pressure;
    const double rateFactor = c.ProdRateUnits.get() == 0 ? 1 : FlowFactor(units);
    return {{"wine", Win1252ToUtf8(c.WineName.text())},
            {"filter", Win1252ToUtf8(c.FilterName.text())},
            {"wine_name_full", FullWineName(rec, notes)},
            {"filter_name_full", FullFilterName(rec, notes)},
            {"wine_type", c.WineType.get() == 1 ? "dessert" : "normal"},
            {"lab_pressure" + pressure, InUnits(c.LabP, PressureFactor(units), shown.LabPressure)},
            {"lab_filter_diameter_mm", Value(c.LabFiltDia)},
            {"lab_filter_area_cm2", Value(rec.LabA)},
            {"max_pressure" + pressure, InUnits(c.ProdP, PressureFactor(units), shown.MaxPressure)},
            {"area_m2", Value(c.ProdA)},
            {"rate", InUnits(c.ProdRate, rateFactor, shown.Rate)},
            {"rate_units", shown.RateUnit}};
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

Json ResultsJson(const TWineRec& rec, const DisplayUnits& units) {
    const std::optional<LabResults> lab = LabResultsOf(rec);
    const ReportQuantities shown = ShownQuantities(rec, units, lab);
    const ExactResults exact = ExactResultsOf(rec, units, lab);
    const UnitKeys keys = KeysFor(units);
    const std::string expectedVolume = std::string("expected_volume") + keys.Volume;
    const double volume = VolumeFactor(units);
    const double faceVelocity = FaceVelocityFactor(units);
    return {
        {"exponential",
         {{"rm", Value(rec.RmE)},
          {"b", Value(rec.bE)},
          {"r", Value(rec.rE)},
          {expectedVolume, GallonsInUnits(rec.ExpectedVolE, volume, shown.ExpectedVolE)}}},
        {"power",
         {{"rm", Value(rec.RmP)},
          {"a", Value(rec.a)},
          {"a_per_m", Real48ToDouble(rec.aReal)},
          {"b", Value(rec.bP)},
          {"r", Value(rec.rP)},
          {expectedVolume, GallonsInUnits(rec.ExpectedVolP, volume, shown.ExpectedVolP)}}},
        {"power_fits_better", rec.Model.get() == 1},
        {"max_production_r", Value(rec.MaxProdR)},
        {std::string("lab_equivalent_volume") + keys.Volume,
         DerivedInUnits(rec.LabEquivVol, volume, shown.LabEquivVolume, exact.LabEquivalentVolume)},
        {std::string("lab_face_velocity") + keys.FaceVelocity,
         DerivedInUnits(rec.LabFaceVel, faceVelocity, shown.LabFaceVelocity,
                        exact.LabFaceVelocity)},
        {std::string("production_face_velocity") + keys.FaceVelocity,
         DerivedInUnits(rec.ProdFaceVel, faceVelocity, shown.ProdFaceVelocity,
                        exact.ProdFaceVelocity)}};
}

} // namespace

std::string WineJsonText(const TWineRec& rec, const WineNotes& notes, const DisplayUnits& units) {
    const Json wine = {{"conditions", ConditionsJson(rec, notes, units)},
                       {"comments", NoteText(notes.Comments)},
                       {"trial_started", NoteText(notes.TrialStarted)},
                       {"skip", rec.Data.MinSkip.get()},
                       {"points", PointsJson(rec)},
                       {"results", ResultsJson(rec, units)},
                       {"analysis", FoulingAnalysisJson(AnalyzeWineFouling(rec, notes), units)}};
    return wine.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

} // namespace zephra
