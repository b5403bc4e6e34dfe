#include "reports/WineJson.h"

#include "analysis/Calculate.h"
#include "support/SampleWine.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace zephra {
namespace {

using nlohmann::json;

TEST(WineJsonTest, HoldsConditionsPointsAndEveryResult) {
    const json wine = json::parse(WineJsonText(test::SampleWine()));

    const json& c = wine.at("conditions");
    EXPECT_EQ(c.at("wine"), "Chardonnay 2024");
    EXPECT_EQ(c.at("filter"), "Membrane 0.65");
    EXPECT_EQ(c.at("wine_type"), "normal");
    EXPECT_EQ(c.at("lab_pressure_psi"), 30);
    EXPECT_EQ(c.at("lab_filter_diameter_mm"), 47);
    EXPECT_DOUBLE_EQ(c.at("lab_filter_area_cm2").get<double>(), 17.3);
    EXPECT_EQ(c.at("max_pressure_psi"), 30);
    EXPECT_EQ(c.at("area_m2"), 10);
    EXPECT_EQ(c.at("rate"), 100);
    EXPECT_EQ(c.at("rate_units"), "bpm");
    EXPECT_EQ(wine.at("skip"), 1);

    const json& points = wine.at("points");
    ASSERT_EQ(points.size(), 36u);
    EXPECT_EQ(points[0], json::parse(R"({"row":1,"volume_ml":40.4,"minutes":0,"seconds":15,
        "elapsed_s":15,"va_m":0.012,"r":88.83,"rexp":115.19,"rpower":89.03,"skipped":true})"));
    EXPECT_EQ(points[35].at("elapsed_s"), 540);
    EXPECT_EQ(points[35].at("skipped"), false);

    const json& r = wine.at("results");
    EXPECT_DOUBLE_EQ(r.at("exponential").at("rm").get<double>(), 110.38);
    EXPECT_DOUBLE_EQ(r.at("exponential").at("b").get<double>(), 3.557);
    EXPECT_DOUBLE_EQ(r.at("exponential").at("r").get<double>(), 0.987);
    EXPECT_EQ(r.at("exponential").at("expected_volume_gal"), 1709);
    EXPECT_DOUBLE_EQ(r.at("power").at("rm").get<double>(), 79.58);
    EXPECT_DOUBLE_EQ(r.at("power").at("a").get<double>(), 783.348);
    EXPECT_NEAR(r.at("power").at("a_per_m").get<double>(), 783.348e9, 0.001e9);
    EXPECT_DOUBLE_EQ(r.at("power").at("b").get<double>(), 0.999);
    EXPECT_EQ(r.at("power").at("r"), 1);
    EXPECT_EQ(r.at("power").at("expected_volume_gal"), 3453);
    EXPECT_EQ(r.at("power_fits_better"), true);
    EXPECT_DOUBLE_EQ(r.at("max_production_r").get<double>(), 1103.1);
    EXPECT_EQ(r.at("lab_equivalent_volume_gal"), 914);
    EXPECT_DOUBLE_EQ(r.at("lab_face_velocity_gpm_m2").get<double>(), 10.2);
    EXPECT_DOUBLE_EQ(r.at("production_face_velocity_gpm_m2").get<double>(), 2.0);
}

TEST(WineJsonTest, SpecialTextsAreStringsBlanksNullAccentsKept) {
    TWineRec rec = test::SampleWine();
    rec.Conditions.WineName.assign("Ros\xE9 d'\xC9t\xE9"); // Windows-1252
    rec.Conditions.WineType.set(1);
    rec.Conditions.ProdRateUnits.set(1);
    rec.RmE.assign("   neg");
    rec.ExpectedVolP.assign("over 1,000,000,000,000");
    rec.ExpectedVolE.assign("      ");
    rec.bP.clear();

    const json wine = json::parse(WineJsonText(rec));
    EXPECT_EQ(wine.at("conditions").at("wine"), "Ros\xC3\xA9 d'\xC3\x89t\xC3\xA9");
    EXPECT_EQ(wine.at("conditions").at("wine_type"), "dessert");
    EXPECT_EQ(wine.at("conditions").at("rate_units"), "gpm");
    const json& r = wine.at("results");
    EXPECT_EQ(r.at("exponential").at("rm"), "neg");
    EXPECT_EQ(r.at("power").at("expected_volume_gal"), "over 1,000,000,000,000");
    EXPECT_TRUE(r.at("exponential").at("expected_volume_gal").is_null());
    EXPECT_TRUE(r.at("power").at("b").is_null());
}

// Every key of `value` and of the objects and arrays within it.
void CollectKeys(const json& value, std::vector<std::string>& keys) {
    if (value.is_object()) {
        for (const auto& [key, inner] : value.items()) {
            keys.push_back(key);
            CollectKeys(inner, keys);
        }
    } else if (value.is_array()) {
        for (const json& inner : value) {
            CollectKeys(inner, keys);
        }
    }
}

TEST(WineJsonTest, MetricUnitsAreNamedInTheKeys) {
    TWineRec rec = test::SampleWine();
    rec.Conditions.ProdRateUnits.set(1); // 100 gpm
    rec.ExpectedVolP.assign("over 1,000,000,000,000");
    const json wine = json::parse(
        WineJsonText(rec, {}, {UnitSystem::Metric, MetricFlowUnit::HectolitresPerHour}));
    const json& c = wine.at("conditions");
    EXPECT_NEAR(c.at("lab_pressure_bar").get<double>(), 30 * 0.0689475729, 1e-9);
    EXPECT_NEAR(c.at("max_pressure_bar").get<double>(), 30 * 0.0689475729, 1e-9);
    EXPECT_NEAR(c.at("rate").get<double>(), 227.12470704, 1e-9);
    EXPECT_EQ(c.at("rate_units"), "hL/h");
    EXPECT_EQ(c.at("area_m2"), 10);
    const json& r = wine.at("results");
    EXPECT_NEAR(r.at("exponential").at("expected_volume_hL").get<double>(), 1709 * 0.03785411784,
                1e-9);
    EXPECT_EQ(r.at("power").at("expected_volume_hL"), "over 37,854,117,840");
    // The derived results come from their inputs, not from the record's
    // rounded texts (914 gal, 10.2 gpm/m²), and stay within their rounding;
    // the production face velocity is the rate through the area.
    const std::optional<LabResults> lab = LabResultsOf(rec);
    ASSERT_TRUE(lab);
    EXPECT_NEAR(r.at("lab_equivalent_volume_hL").get<double>(), lab->EquivalentVolumeL / 100, 1e-9);
    EXPECT_NEAR(r.at("lab_equivalent_volume_hL").get<double>(), 914 * 0.03785411784,
                0.5 * 0.03785411784);
    EXPECT_NEAR(r.at("lab_face_velocity_L_per_m2_h").get<double>(), lab->FaceVelocityLPerM2H, 1e-9);
    EXPECT_NEAR(r.at("lab_face_velocity_L_per_m2_h").get<double>(), 10.2 * 227.12470704,
                0.05 * 227.12470704);
    EXPECT_NEAR(r.at("production_face_velocity_L_per_m2_h").get<double>(), 100 * 227.12470704 / 10,
                1e-9);
    // Cake filtration describes the sample best: no Vmax, the law's own
    // capacity of 2425 gallons.
    EXPECT_TRUE(wine.at("analysis").at("production_capacity_hL").is_null());
    EXPECT_NEAR(wine.at("analysis").at("best_production_capacity_hL").get<double>(), 91.8, 0.05);

    std::vector<std::string> keys;
    CollectKeys(wine, keys);
    for (const std::string& key : keys) {
        for (const char* us : {"psi", "gal", "gpm"}) {
            EXPECT_EQ(key.find(us), std::string::npos) << key;
        }
    }
    // The same wine in US units keeps the record's own keys and values.
    const json us = json::parse(WineJsonText(rec, {}, UsUnits));
    EXPECT_EQ(us, json::parse(WineJsonText(rec)));
    EXPECT_EQ(us.at("conditions").at("rate_units"), "gpm");
    EXPECT_EQ(us.at("analysis").count("production_capacity_gal"), 1u);
}

// 30 hL/h on 4.2 m² is stored as 13.2 gpm with a face velocity of 3.1
// gpm/m²; in metric units the face velocity is 13.2 gpm through 4.2 m²
// (713.85 L/(m²·h)), not 3.1 gpm/m² converted (704.09).
TEST(WineJsonTest, MetricFaceVelocityFromTheRateAndArea) {
    TWineRec rec = test::SampleWine();
    rec.Conditions.ProdRate.assign("13.2");
    rec.Conditions.ProdRateUnits.set(1);
    rec.Conditions.ProdA.assign("4.20");
    rec.ProdFaceVel.assign(" 3.1");
    const json metric =
        json::parse(WineJsonText(rec, {}, {UnitSystem::Metric, MetricFlowUnit::LitresPerHour}));
    EXPECT_NEAR(metric.at("conditions").at("rate").get<double>(), 2998.05, 0.01);
    EXPECT_NEAR(metric.at("results").at("production_face_velocity_L_per_m2_h").get<double>(),
                13.2 * 3.785411784 * 60 / 4.2, 1e-9);
    const json us = json::parse(WineJsonText(rec, {}, UsUnits));
    EXPECT_DOUBLE_EQ(us.at("results").at("production_face_velocity_gpm_m2").get<double>(), 3.1);
}

TEST(WineJsonTest, ANewWineHasNoPointsAndNullResults) {
    const json wine = json::parse(WineJsonText(TWineRec{}));
    EXPECT_TRUE(wine.at("points").empty());
    EXPECT_TRUE(wine.at("results").at("power").at("rm").is_null());
    EXPECT_EQ(wine.at("results").at("power").at("a_per_m"), 0);
}

TEST(WineJsonTest, NotesGiveFullNamesCommentsAndTrialStartOrNull) {
    const json plain = json::parse(WineJsonText(test::SampleWine()));
    EXPECT_EQ(plain.at("conditions").at("wine_name_full"), "Chardonnay 2024");
    EXPECT_EQ(plain.at("conditions").at("filter_name_full"), "Membrane 0.65");
    EXPECT_TRUE(plain.at("comments").is_null());
    EXPECT_TRUE(plain.at("trial_started").is_null());

    WineNotes notes;
    notes.WineName = "Chardonnay 2024 Reserve Lot 7";
    notes.Comments = "Cold \"stabilised\"\nfined";
    notes.TrialStarted = "2026-05-14T09:31:07+02:00";
    const json noted = json::parse(WineJsonText(test::SampleWine(), notes));
    EXPECT_EQ(noted.at("conditions").at("wine"), "Chardonnay 2024");
    EXPECT_EQ(noted.at("conditions").at("wine_name_full"), "Chardonnay 2024 Reserve Lot 7");
    EXPECT_EQ(noted.at("conditions").at("filter_name_full"), "Membrane 0.65");
    EXPECT_EQ(noted.at("comments"), "Cold \"stabilised\"\nfined");
    EXPECT_EQ(noted.at("trial_started"), "2026-05-14T09:31:07+02:00");
}

} // namespace
} // namespace zephra
