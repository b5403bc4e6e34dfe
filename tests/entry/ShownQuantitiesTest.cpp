#include "entry/ShownQuantities.h"

#include "document/Utf8Characters.h"
#include "entry/ConditionsRecord.h"
#include "support/SampleWine.h"

#include <gtest/gtest.h>

#include <cmath>
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

// The digits after the point of a stored or shown number text.
int DecimalsOf(const std::string& text) {
    const std::size_t point = text.find('.');
    return point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
}

// In metric units the production face velocity is the stored rate through
// the stored area, not the record's rounded gpm/m² text converted; it stays
// within that text's rounding.
TEST(ShownQuantitiesTest, ProductionFaceVelocityFromTheRateAndArea) {
    struct Case {
        const char* rate;
        int rateUnits;
        const char* area;
        const char* stored; // as the conditions dialog stores it
        const char* metric;
    };
    const Case cases[] = {
        {"13.2", 1, "4.20", " 3.1", " 714"}, // 30 hL/h on 4.2 m²; " 704" from the text
        {"50.0", 0, "1.50", " 6.6", "1500"}, // 1499 from the text
        {" 1.5", 0, "9.00", " 0.0", " 7.5"}, // 0.0 from the text
        {"50.0", 1, "2.00", "25.0", "5678"}, {"1999", 1, "0.20", "9995", "2270111"},
    };
    constexpr double LitresPerSquareMetreHourPerGpm = 3.785411784 * 60;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.rate) + (c.rateUnits == 0 ? " bpm on " : " gpm on ") + c.area);
        TWineRec rec = CalculatedWine();
        rec.Conditions.ProdRate.assign(c.rate);
        rec.Conditions.ProdRateUnits.set(static_cast<std::uint16_t>(c.rateUnits));
        rec.Conditions.ProdA.assign(c.area);
        rec.ProdFaceVel.assign(ProdFaceVelText(c.rate, c.area, c.rateUnits));
        ASSERT_EQ(std::string(rec.ProdFaceVel.text()), c.stored);
        const std::string metric = ShownQuantities(rec, Metric).ProdFaceVelocity;
        EXPECT_EQ(metric, c.metric);
        const double shown = std::stod(metric) / LitresPerSquareMetreHourPerGpm;
        const double rounding =
            0.5 * std::pow(10.0, -DecimalsOf(c.stored)) +
            0.5 * std::pow(10.0, -DecimalsOf(metric)) / LitresPerSquareMetreHourPerGpm;
        EXPECT_LE(std::abs(shown - std::stod(c.stored)), rounding);
        EXPECT_EQ(ShownQuantities(rec, UsUnits).ProdFaceVelocity, c.stored);
    }
    TWineRec blank = CalculatedWine();
    blank.ProdFaceVel.fillBlanks();
    EXPECT_EQ(ShownQuantities(blank, Metric).ProdFaceVelocity, "    ");
}

// Laboratory results given before rounding take the place of the record's
// rounded texts in metric units; without them the texts are converted.
TEST(ShownQuantitiesTest, LaboratoryResultsBeforeRounding) {
    const TWineRec rec = CalculatedWine(); // " 1.2" gal, " 3.4" gpm/m²
    const LabResults lab{4.7, 780.4};
    const ReportQuantities exact = ShownQuantities(rec, Metric, lab);
    EXPECT_EQ(exact.LabEquivVolume, "0.05");
    EXPECT_EQ(exact.LabFaceVelocity, " 780");
    EXPECT_EQ(ShownQuantities(rec, Metric).LabFaceVelocity, " 772");
    const ExactResults values = ExactResultsOf(rec, Metric, lab);
    EXPECT_DOUBLE_EQ(*values.LabEquivalentVolume, 0.047);
    EXPECT_DOUBLE_EQ(*values.LabFaceVelocity, 780.4);
    const ExactResults us = ExactResultsOf(rec, UsUnits, lab);
    EXPECT_FALSE(us.LabEquivalentVolume || us.LabFaceVelocity || us.ProdFaceVelocity);
    TWineRec over = rec;
    over.LabEquivVol.assign(">10K");
    EXPECT_EQ(ShownQuantities(over, Metric, lab).LabEquivVolume, ">378");
    EXPECT_FALSE(ExactResultsOf(over, Metric, lab).LabEquivalentVolume);
}

} // namespace
} // namespace zephra
