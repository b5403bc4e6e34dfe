#include "entry/ShownQuantities.h"

#include "document/Utf8Characters.h"
#include "support/SampleWine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zephra {
namespace {

constexpr DisplayUnits Metric{UnitSystem::Metric, MetricFlowUnit::LitresPerHour};
constexpr DisplayUnits MetricHectolitres{UnitSystem::Metric, MetricFlowUnit::HectolitresPerHour};

TWineRec CalculatedWine() {
    TWineRec rec{};
    TConditions& c = rec.Conditions;
    c.WineName.assign("Riesling");
    c.FilterName.assign("Membrane 0.45");
    c.LabP.assign("10.0");
    c.LabFiltDia.assign("47.0");
    c.ProdP.assign("  40");
    c.ProdA.assign("2.00");
    c.ProdRate.assign("50.0");
    c.ProdRateUnits.set(1);
    rec.LabA.assign(" 17.3");
    rec.LabEquivVol.assign(" 1.2");
    rec.LabFaceVel.assign(" 3.4");
    rec.ProdFaceVel.assign("25.0");
    rec.ExpectedVolP.assign("23,456");
    rec.ExpectedVolE.assign("12,345");
    return rec;
}

// The character column where `label` starts in `line`.
std::size_t ColumnOf(const std::string& line, const std::string& label) {
    const std::size_t at = line.find(label);
    return at == std::string::npos ? at : Utf8Characters(line.substr(0, at));
}

// Metric panels are the US panels with other values and units: every line
// is there, every label stands in its column.
void ExpectLaidOutLikeUs(const TWineRec& rec, const DisplayUnits& units) {
    const ReportLines us = FillLines(rec);
    const ReportLines metric = FillLines(rec, ShownQuantities(rec, units));
    ASSERT_EQ(metric.Table.size(), us.Table.size());
    ASSERT_EQ(metric.Summary.size(), us.Summary.size());
    const std::vector<std::string> labels = {
        "pressure:", "maximum pressure:",      "area:",         "equivalent volume passed:",
        "rate:",     "average face velocity:", "face velocity:"};
    for (std::size_t i = 0; i < us.Table.size(); ++i) {
        if (i < 4 || i > 7) {
            EXPECT_EQ(metric.Table[i], us.Table[i]) << "line " << i;
            continue;
        }
        for (const std::string& label : labels) {
            EXPECT_EQ(ColumnOf(metric.Table[i], label), ColumnOf(us.Table[i], label))
                << label << " in line " << i << ": " << metric.Table[i];
        }
        // The values before the second label keep the width of the stored ones.
        EXPECT_EQ(ColumnOf(metric.Table[i], ":") + 2, ColumnOf(us.Table[i], ":") + 2);
    }
    for (std::size_t i = 0; i < us.Summary.size(); ++i) {
        if (i != 13 && i != 23) {
            EXPECT_EQ(metric.Summary[i], us.Summary[i]) << "line " << i;
        }
    }
}

TEST(ShownQuantitiesTest, UsUnitsShowTheRecordAsStored) {
    const TWineRec rec = CalculatedWine();
    const ReportLines stored = FillLines(rec);
    const ReportLines shown = FillLines(rec, ShownQuantities(rec, UsUnits));
    EXPECT_EQ(shown.Table, stored.Table);
    EXPECT_EQ(shown.Summary, stored.Summary);
}

TEST(ShownQuantitiesTest, MetricPanelsConvertTheValuesThatCarryAUnit) {
    const TWineRec rec = CalculatedWine();
    const ReportLines lines = FillLines(rec, ShownQuantities(rec, Metric));
    EXPECT_EQ(lines.Table[4],
              "                   pressure: 0.69 bar         maximum pressure: 2.76 bar");
    EXPECT_EQ(lines.Table[5], "                       area: 17.3 cm2                     area: "
                              "2.00 m2");
    EXPECT_EQ(lines.Table[6],
              "   equivalent volume passed: 0.05 hL                      rate: 11360 L/h");
    EXPECT_EQ(lines.Table[7], "      average face velocity:  772 L/(m²·h)       face velocity: "
                              "5678 L/(m²·h)");
    EXPECT_EQ(lines.Summary[13], " 888 hL");
    EXPECT_EQ(lines.Summary[23], " 467 hL");

    const ReportLines hectolitres = FillLines(rec, ShownQuantities(rec, MetricHectolitres));
    EXPECT_EQ(hectolitres.Table[6],
              "   equivalent volume passed: 0.05 hL                      rate: 113.6 hL/h");
    ExpectLaidOutLikeUs(rec, Metric);
}

TEST(ShownQuantitiesTest, SampleWineIsLaidOutLikeItsUsReport) {
    const TWineRec rec = test::SampleWine();
    ASSERT_FALSE(rec.Data.V[0].empty());
    ExpectLaidOutLikeUs(rec, Metric);
    TWineRec gpm = rec;
    gpm.Conditions.ProdRateUnits.set(1);
    ExpectLaidOutLikeUs(gpm, MetricHectolitres);
}

TEST(ShownQuantitiesTest, NewWineWithBlankResults) {
    TWineRec rec = CalculatedWine();
    rec.LabEquivVol.fillBlanks();
    rec.LabFaceVel.fillBlanks();
    rec.ExpectedVolP.assign("      ");
    rec.ExpectedVolE.assign("      ");
    const ReportQuantities q = ShownQuantities(rec, Metric);
    EXPECT_EQ(q.LabEquivVolume, "    ");
    EXPECT_EQ(q.LabFaceVelocity, "    ");
    EXPECT_EQ(q.ExpectedVolP, "      ");
    ExpectLaidOutLikeUs(rec, Metric);
}

TEST(ShownQuantitiesTest, EstimatesInHectolitres) {
    struct Case {
        const char* stored;
        const char* metric;
    };
    const Case cases[] = {
        {"523", "19.8"},
        {"1,234,568", "46,733"},
        {"1234568", "46733"},      // written without a thousands separator
        {"12.345.678", "467.335"}, // the stored text's own separator
        {"3\xA0"
         "453",
         "131"},
        {"  0", "  0"},
        {"      ", "      "},
        {" incalculably high", " incalculably high"},
        {"over 1,000,000,000,000", "over 37,854,117,840"},
        {"2641", "100"}, // 99.97 hL, not "100.0"
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShownEstimate(c.stored, Metric), c.metric) << c.stored;
    }
    EXPECT_EQ(ShownEstimate("1,234,568", UsUnits), "1,234,568");
    EXPECT_EQ(ShownEstimate("3\xA0"
                            "453",
                            UsUnits),
              "3\xC2\xA0"
              "453");
}

TEST(ShownQuantitiesTest, EquivalentVolumeAndVolumes) {
    TWineRec rec = CalculatedWine();
    rec.LabEquivVol.assign(">10K");
    EXPECT_EQ(ShownQuantities(rec, Metric).LabEquivVolume, ">378");
    rec.LabEquivVol.assign("9998");
    EXPECT_EQ(ShownQuantities(rec, Metric).LabEquivVolume, " 378");
    EXPECT_EQ(ShownVolume(1643.4, UsUnits), "1643");
    EXPECT_EQ(ShownVolume(1643.4, Metric), "62.2");
    EXPECT_EQ(ShownVolume(2641.7, Metric), "100");
    EXPECT_EQ(ShownVolume(523, Metric), "19.8");
}

} // namespace
} // namespace zephra
