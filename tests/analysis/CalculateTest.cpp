#include "analysis/Calculate.h"

#include "AnalysisTestSupport.h"
#include "document/Real48.h"
#include "support/RecordingBoxes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

namespace zephra {
namespace {

using test::ExpectBlankResults;
using test::MakeWine;
using test::ReadingsEvery;
using test::RecordingBoxes;
using test::Text;
using test::TypicalVolumes;
using test::TypicalWine;

const std::string TimeMessage =
    "There is a non-positive interval in the Time data. Unable to calculate.";
const std::string VolumeMessage =
    "There is a non-positive interval in the Volume data. Unable to calculate.";
const std::string InsufficientMessage = "Data is insufficient to calculate fouling constants.";
const std::string RmExponentialMessage =
    "Rm is greater than the allowable production resistance. If the data and conditions are "
    "correct then this filtration should foul extremely rapidly.";
const std::string NoFoulingMessage =
    "No fouling was observed. Either the volume passed was insufficient to foul the filter or "
    "perhaps pressure rose during the trial. Expected volume cannot be estimated.";
const std::string RmPowerMessage = "Expected volume cannot be calculated from Power Model. Rm is "
                                   "greater than maximum allowable production resistance.";

bool AllWarningsWithOk(const RecordingBoxes& boxes) {
    return std::ranges::all_of(boxes.shown, [](const RecordingBoxes::Box& box) {
        return box.kind == BoxKind::Warning && box.buttons == BoxButtons::Ok &&
               box.defaultButton == BoxAnswer::Ok;
    });
}

std::vector<std::string> CalculateShown(TWineRec& rec) {
    RecordingBoxes boxes;
    Calculate(rec, true, boxes, ",");
    EXPECT_TRUE(AllWarningsWithOk(boxes));
    return boxes.Texts();
}

std::vector<std::string> Column(const TWineRec& rec, ShortString<6> TTableRow::*cell) {
    std::vector<std::string> texts;
    for (const TTableRow& row : rec.TableData) {
        texts.push_back(Text(row.*cell));
    }
    return texts;
}

std::vector<std::string> VAColumn(const TWineRec& rec) {
    std::vector<std::string> texts;
    for (const TTableRow& row : rec.TableData) {
        texts.push_back(Text(row.VA));
    }
    return texts;
}

std::vector<std::string> FirstTypicalVolumes(std::size_t count) {
    std::vector<std::string> volumes = TypicalVolumes();
    volumes.resize(count);
    return volumes;
}

int RowsWithV(const TWineRec& rec) {
    int rows = 0;
    for (const TTableRow& row : rec.TableData) {
        rows += row.V.empty() ? 0 : 1;
    }
    return rows;
}

TEST(Calculate, TypicalWineGivesEveryResult) {
    TWineRec rec = TypicalWine();
    EXPECT_TRUE(CalculateShown(rec).empty());

    EXPECT_EQ(Text(rec.MaxProdR), "5515.8");
    EXPECT_EQ(Text(rec.bE), "7.490");
    EXPECT_EQ(Text(rec.RmE), "472.03");
    EXPECT_EQ(Text(rec.rE), "0.998");
    EXPECT_EQ(Text(rec.ExpectedVolE), "867");
    EXPECT_EQ(Text(rec.LabEquivVol), " 275");
    EXPECT_EQ(Text(rec.LabFaceVel), " 3.1");
    EXPECT_EQ(Text(rec.ProdFaceVel), " 0.4");
    EXPECT_EQ(Text(rec.a), "11969.3");
    EXPECT_EQ(Real48ToDouble(rec.aReal), 11969320415280.0);
    EXPECT_EQ(Text(rec.bP), "1.388");
    EXPECT_EQ(Text(rec.rP), "0.997");
    EXPECT_EQ(Text(rec.RmP), "496.27");
    EXPECT_EQ(Text(rec.ExpectedVolP), "1,412");
    EXPECT_EQ(rec.Model.get(), 0); // rE 0.998 is above rP 0.997

    const std::vector<std::string> VA = {
        "0.002", "0.006", "0.010", "0.014", "0.018", "0.022", "0.026", "0.029", "0.033",
        "0.036", "0.039", "0.043", "0.046", "0.049", "0.052", "0.055", "0.058", "0.061",
        "0.064", "0.066", "0.069", "0.071", "0.074", "0.077", "0.079", "0.081", "0.084",
        "0.086", "0.088", "0.090", "0.093", "0.095", "0.097", "0.099", "0.101", "0.103"};
    const std::vector<std::string> R = {
        "498.42", "512.66", "512.66", "527.74", "543.73", "552.10", "560.72", "578.81", "598.10",
        "608.24", "629.58", "640.83", "652.48", "677.10", "690.12", "703.65", "717.73", "747.63",
        "747.63", "780.14", "780.14", "815.60", "815.60", "834.56", "875.27", "854.43", "897.16",
        "897.16", "920.16", "944.38", "944.38", "969.90", "969.90", "1025.3", "996.84", "1025.3"};
    const std::vector<std::string> Rexp = {
        "479.15", "493.73", "508.74", "524.22", "540.16", "556.59", "573.52", "586.55", "604.39",
        "618.13", "632.17", "651.40", "666.20", "681.34", "696.83", "712.66", "728.86", "745.42",
        "762.36", "773.87", "791.46", "803.40", "821.66", "840.33", "853.02", "865.89", "885.57",
        "898.94", "912.50", "926.28", "947.33", "961.62", "976.14", "990.87", "1005.8", "1021.0"};
    const std::vector<std::string> Rpower = {
        "498.43", "506.16", "516.35", "528.30", "541.66", "556.24", "571.88", "584.25", "601.53",
        "615.04", "628.99", "648.25", "663.16", "678.45", "694.11", "710.12", "726.48", "743.16",
        "760.17", "771.69", "789.21", "801.06", "819.07", "837.37", "849.73", "862.21", "881.15",
        "893.92", "906.81", "919.82", "939.54", "952.82", "966.21", "979.71", "993.32", "1007.0"};
    EXPECT_EQ(VAColumn(rec), VA);
    EXPECT_EQ(Column(rec, &TTableRow::R), R);
    EXPECT_EQ(Column(rec, &TTableRow::Rexp), Rexp);
    EXPECT_EQ(Column(rec, &TTableRow::Rpower), Rpower);
    EXPECT_EQ(Text(rec.TableData[35].V), " 180.7");
    EXPECT_EQ(Text(rec.TableData[35].Min), "  9");
    EXPECT_EQ(Text(rec.TableData[35].Sec), "00");
}

TEST(Calculate, LeavesTheNamesTheRawDataAndModifiedLabAreaAlone) {
    TWineRec rec = TypicalWine();
    rec.LabA.assign("17.35");
    const TWineRec before = rec;
    CalculateShown(rec);
    EXPECT_EQ(0, std::memcmp(&rec.Conditions, &before.Conditions, sizeof rec.Conditions));
    EXPECT_EQ(0, std::memcmp(&rec.Data, &before.Data, sizeof rec.Data));
    EXPECT_EQ(0, std::memcmp(&rec.LabA, &before.LabA, sizeof rec.LabA));
}

TEST(Calculate, ARecalculationGivesTheSameRecord) {
    TWineRec rec = TypicalWine();
    CalculateShown(rec);
    const TWineRec first = rec;
    CalculateShown(rec);
    EXPECT_EQ(0, std::memcmp(&rec, &first, sizeof rec));
}

TEST(Calculate, NoDataClearsTheTableAndBlanksTheResults) {
    TWineRec rec = MakeWine({}, {});
    rec.TableData[4].R.assign("123.45");
    rec.TableData[4].VA.assign("0.100");
    EXPECT_EQ(CalculateShown(rec), std::vector{InsufficientMessage});
    EXPECT_EQ(RowsWithV(rec), 0);
    EXPECT_TRUE(rec.TableData[4].R.empty());
    EXPECT_TRUE(rec.TableData[4].VA.empty());
    ExpectBlankResults(rec, "      ");
    EXPECT_EQ(Text(rec.MaxProdR), "5515.8");
}

TEST(Calculate, FirstRowDecidesWhetherThereAreData) {
    const struct {
        const char* name;
        std::function<void(std::vector<test::Reading>&)> change;
        int rowsLeft;
    } cases[] = {
        {"row 1 empty, rows 2 to 10 filled",
         [](auto& r) {
             r[0] = {"", "", ""};
         },
         0},
        {"row 1 with no time",
         [](auto& r) {
             r[0].M = "   ";
             r[0].Sc = "00";
         },
         0},
        {"row 1 with zero time",
         [](auto& r) {
             r[0].M = "  0";
             r[0].Sc = "00";
         },
         0},
        {"only row 1", [](auto& r) { r.resize(1); }, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto readings = ReadingsEvery(15, FirstTypicalVolumes(10));
        c.change(readings);
        TWineRec rec = MakeWine({}, readings);
        EXPECT_EQ(CalculateShown(rec), std::vector{InsufficientMessage});
        EXPECT_EQ(RowsWithV(rec), c.rowsLeft);
        ExpectBlankResults(rec, "      ");
    }
}

TEST(Calculate, OnlyRowOneKeepsItsCellsAndItsResistance) {
    TWineRec rec = MakeWine({}, {{"   7.2", "  0", "15"}});
    CalculateShown(rec);
    const TTableRow& row = rec.TableData[0];
    EXPECT_EQ(Text(row.V), "   7.2");
    EXPECT_EQ(Text(row.Min), "  0");
    EXPECT_EQ(Text(row.Sec), "15");
    EXPECT_EQ(Text(row.VA), "0.002");
    EXPECT_EQ(Text(row.R), "498.42");
    EXPECT_TRUE(row.Rexp.empty());
    EXPECT_TRUE(row.Rpower.empty());
}

TEST(Calculate, TwoRowsWithTheSameTimeEndTheData) {
    auto readings = ReadingsEvery(15, FirstTypicalVolumes(10));
    readings[5].M = readings[4].M;
    readings[5].Sc = readings[4].Sc;
    TWineRec rec = MakeWine({}, readings);
    EXPECT_TRUE(CalculateShown(rec).empty());

    EXPECT_EQ(RowsWithV(rec), 5);
    EXPECT_EQ(Text(rec.Data.V[9]), "  65.6"); // the raw data keep every row
    EXPECT_EQ(Text(rec.bE), "5.074");
    EXPECT_EQ(Text(rec.rE), "0.968");
    EXPECT_EQ(Text(rec.rP), "0.977");
    EXPECT_EQ(rec.Model.get(), 1);
    // The laboratory figures take the volume of the last counted row (row
    // 10) and the time of the last row in use (row 5).
    EXPECT_EQ(Text(rec.LabEquivVol), " 100");
    EXPECT_EQ(Text(rec.LabFaceVel), " 8.0");
}

TEST(Calculate, NonPositiveIntervalsStopTheCalculation) {
    const struct {
        const char* name;
        void (*change)(TData&);
        std::string message;
    } cases[] = {
        {"time going back, volume also not rising",
         [](TData& d) {
             d.T[5].Sc.assign("10"); // 1:10 after 1:15
             d.V[7].assign(d.V[6].text());
         },
         TimeMessage},
        {"volume equal to the previous", [](TData& d) { d.V[9].assign(d.V[8].text()); },
         VolumeMessage},
        {"volume falling", [](TData& d) { d.V[3].assign("   1.0"); }, VolumeMessage},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TWineRec rec = TypicalWine();
        CalculateShown(rec); // the results of a good calculation first
        c.change(rec.Data);

        EXPECT_EQ(CalculateShown(rec), std::vector{c.message});
        ExpectBlankResults(rec, "   neg");
        EXPECT_EQ(Text(rec.MaxProdR), "5515.8");
        EXPECT_EQ(Real48ToDouble(rec.aReal), 11969320415280.0); // kept
        for (const TTableRow& row : rec.TableData) {
            EXPECT_TRUE(row.R.empty());
            EXPECT_TRUE(row.Rexp.empty());
            EXPECT_TRUE(row.Rpower.empty());
        }
        EXPECT_EQ(RowsWithV(rec), 36);
        EXPECT_EQ(Text(rec.TableData[0].VA), "0.002");
    }
}

TEST(Calculate, MinSkipLeavesTooFewOrJustEnoughPoints) {
    TWineRec eight = MakeWine({}, ReadingsEvery(15, FirstTypicalVolumes(8)), 5);
    EXPECT_EQ(CalculateShown(eight), std::vector{InsufficientMessage});
    EXPECT_EQ(RowsWithV(eight), 8);
    EXPECT_EQ(Text(eight.TableData[7].R), "578.81"); // R cells kept

    TWineRec nine = MakeWine({}, ReadingsEvery(15, FirstTypicalVolumes(9)), 5);
    EXPECT_TRUE(CalculateShown(nine).empty());
    EXPECT_EQ(Text(nine.bE), "7.491");
    EXPECT_EQ(Text(nine.RmE), "466.35");
    EXPECT_EQ(Text(nine.a), "> 1E16");
    EXPECT_EQ(Text(nine.bP), "4.598");
    EXPECT_EQ(Text(nine.RmP), "543.23");
    EXPECT_EQ(Text(nine.ExpectedVolP), "229");
    EXPECT_EQ(nine.Model.get(), 1);
    // Skipped points still get model values in the table.
    EXPECT_EQ(Text(nine.TableData[0].Rexp), "473.38");
    EXPECT_EQ(Text(nine.TableData[0].Rpower), "543.23");
}

TEST(Calculate, ASkipCountBeyondThePointsLeavesNone) {
    // A record made elsewhere can hold any 16-bit skip count.
    for (const std::uint16_t minSkip : {36, 37, 1000, 65535}) {
        TWineRec rec = MakeWine({}, ReadingsEvery(15, TypicalVolumes()), minSkip);
        EXPECT_EQ(CalculateShown(rec), std::vector{InsufficientMessage}) << minSkip;
        EXPECT_EQ(RowsWithV(rec), 36);
        EXPECT_EQ(Text(rec.TableData[35].R), "1025.3");
    }
}

// Interval volumes 5, 7, 9, 11 ml: the resistance falls to point 4, then rises.
const std::vector<std::string> FallingThenRising = {"   5.0", "  12.0", "  21.0", "  32.0",
                                                    "  42.0", "  51.5", "  60.5", "  69.0",
                                                    "  77.0", "  84.5"};

TEST(Calculate, LeadingPointsAreSkippedWhileTheResistanceFalls) {
    TWineRec automatic = MakeWine({}, ReadingsEvery(15, FallingThenRising), 0);
    TWineRec three = MakeWine({}, ReadingsEvery(15, FallingThenRising), 3);
    EXPECT_TRUE(CalculateShown(automatic).empty());
    CalculateShown(three);
    EXPECT_EQ(0, std::memcmp(&automatic.bE, &three.bE, sizeof automatic - offsetof(TWineRec, bE)));
    EXPECT_EQ(Text(automatic.bE), "11.70");
    EXPECT_EQ(Text(automatic.RmE), "275.07");
    EXPECT_EQ(Text(automatic.RmP), "269.89");
    EXPECT_EQ(Text(automatic.TableData[0].R), "717.73");
    EXPECT_EQ(Text(automatic.TableData[0].Rexp), "278.31");
}

TEST(Calculate, ResistanceFallingThroughoutLeavesNoPoints) {
    TWineRec rec = MakeWine({}, ReadingsEvery(15, {"   5.0", "  12.0", "  21.0", "  32.0", "  45.0",
                                                   "  60.0", "  77.0"}));
    EXPECT_EQ(CalculateShown(rec), std::vector{InsufficientMessage});
    ExpectBlankResults(rec, "      ");
    EXPECT_EQ(Text(rec.TableData[6].R), "211.10");
}

TEST(Calculate, RmAboveTheAllowableResistanceGivesZeroVolumesAndBothMessages) {
    test::ConditionTexts conditions;
    conditions.ProdP = "   1";
    conditions.ProdA = "0.20";
    conditions.ProdRate = "1999";
    conditions.ProdRateUnits = 1;
    TWineRec rec = MakeWine(conditions, ReadingsEvery(15, TypicalVolumes()));
    EXPECT_EQ(CalculateShown(rec), (std::vector{RmExponentialMessage, RmPowerMessage}));
    EXPECT_EQ(Text(rec.MaxProdR), "  0.01");
    EXPECT_EQ(Text(rec.ExpectedVolE), "  0");
    EXPECT_EQ(Text(rec.ExpectedVolP), "  0");
    EXPECT_EQ(Text(rec.RmE), "472.03");
    EXPECT_EQ(Text(rec.RmP), "496.27");
    EXPECT_EQ(Text(rec.ProdFaceVel), "9995");
    EXPECT_EQ(Text(rec.LabEquivVol), "   6");
}

TEST(Calculate, ResistanceFallingAfterTheSkippedPointsMeansNoFouling) {
    // Intervals of 10, 9, 10, 11, ... ml: no leading fall, then a steady fall.
    TWineRec rec = MakeWine({}, ReadingsEvery(15, {"  10.0", "  19.0", "  29.0", "  40.0", "  52.0",
                                                   "  65.0", "  79.0", "  94.0"}));
    EXPECT_EQ(CalculateShown(rec), std::vector{NoFoulingMessage});
    EXPECT_EQ(Text(rec.bE), "-10.5");
    EXPECT_EQ(Text(rec.ExpectedVolE), "      ");
    // The power fit still runs and writes its own expected volume.
    EXPECT_EQ(Text(rec.ExpectedVolP), "6");
    EXPECT_EQ(Text(rec.rE), "-0.96");
    EXPECT_EQ(Text(rec.rP), "-0.51");
    EXPECT_EQ(rec.Model.get(), 1);
}

TEST(Calculate, LabEquivalentVolumeShowsTenThousandAndAbove) {
    const struct {
        const char* ProdA;
        const char* LabEquivVol;
    } cases[] = {{"10.0", " 275"}, {" 363", "9988"}, {" 364", ">10K"}, {"1000", ">10K"}};
    for (const auto& c : cases) {
        test::ConditionTexts conditions;
        conditions.ProdA = c.ProdA;
        TWineRec rec = MakeWine(conditions, ReadingsEvery(15, TypicalVolumes()));
        CalculateShown(rec);
        EXPECT_EQ(Text(rec.LabEquivVol), c.LabEquivVol) << c.ProdA;
    }
}

TEST(Calculate, ExpectedVolumesUseTheThousandsSeparatorGiven) {
    test::ConditionTexts conditions;
    conditions.ProdA = "1000";
    TWineRec rec = MakeWine(conditions, ReadingsEvery(15, TypicalVolumes()));
    RecordingBoxes boxes;
    Calculate(rec, false, boxes, ".");
    EXPECT_EQ(Text(rec.ExpectedVolE), "249.119");
    EXPECT_EQ(Text(rec.ExpectedVolP), "4.172.583");
}

TEST(Calculate, DessertWineAndGallonsPerMinuteChangeTheWorkingValues) {
    test::ConditionTexts conditions;
    conditions.WineType = 1;
    conditions.ProdRateUnits = 1;
    TWineRec rec = MakeWine(conditions, ReadingsEvery(15, TypicalVolumes()));
    CalculateShown(rec);
    // 30 psi · 10 m² / (0.0021 Pa·s · 20 gpm): 7.8061·10¹¹ m⁻¹.
    EXPECT_EQ(Text(rec.MaxProdR), "780.61");
    EXPECT_EQ(Text(rec.ProdFaceVel), " 2.0");
    EXPECT_EQ(Text(rec.TableData[0].R), "356.01");
}

TEST(Calculate, WithoutDialogsTheRecordEndsTheSame) {
    std::vector<TWineRec> wines = {
        TypicalWine(),
        MakeWine({}, {}),
        MakeWine({}, ReadingsEvery(15, FallingThenRising), 0),
        MakeWine({}, ReadingsEvery(15, {"  10.0", "  19.0", "  29.0", "  40.0", "  52.0", "  65.0",
                                        "  79.0", "  94.0"})),
        MakeWine({}, ReadingsEvery(15, {"  10.0", "  20.0", "  30.0", "  40.0", "  50.0"})),
    };
    auto timeError = ReadingsEvery(15, TypicalVolumes());
    timeError[5].Sc = "10";
    wines.push_back(MakeWine({}, timeError));
    test::ConditionTexts rmHigh;
    rmHigh.ProdP = "   1";
    wines.push_back(MakeWine(rmHigh, ReadingsEvery(15, TypicalVolumes())));
    test::ConditionTexts bigFilter;
    bigFilter.LabFiltDia = "200.";
    wines.push_back(MakeWine(bigFilter, ReadingsEvery(15, TypicalVolumes())));
    test::ConditionTexts noConditions;
    noConditions.ProdRate = "";
    wines.push_back(MakeWine(noConditions, ReadingsEvery(15, TypicalVolumes())));

    for (std::size_t i = 0; i < wines.size(); ++i) {
        TWineRec shown = wines[i];
        TWineRec silent = wines[i];
        RecordingBoxes shownBoxes;
        RecordingBoxes silentBoxes;
        Calculate(shown, true, shownBoxes, ",");
        Calculate(silent, false, silentBoxes, ",");
        EXPECT_EQ(0, std::memcmp(&shown, &silent, sizeof shown)) << "wine " << i;
        EXPECT_TRUE(silentBoxes.Texts().empty()) << "wine " << i;
    }
}

TEST(Calculate, StoringAShorterTextKeepsTheBytesAfterIt) {
    TWineRec rec = TypicalWine();
    CalculateShown(rec); // row 21 shows " 121.8" and its resistance "780.14"
    rec.ExpectedVolE.assign("over 1,000,000,000,000");
    for (int i = 20; i < 36; ++i) {
        rec.Data.V[i].clear(); // 20 readings remain
    }

    CalculateShown(rec);

    EXPECT_EQ(Text(rec.ExpectedVolE), "921");
    EXPECT_EQ(0, std::memcmp(rec.ExpectedVolE.chars, "921r 1,000,000,000,000", 22));
    const TTableRow& emptied = rec.TableData[20];
    EXPECT_TRUE(emptied.V.empty());
    EXPECT_EQ(0, std::memcmp(emptied.V.chars, " 121.8", 6));
    EXPECT_TRUE(emptied.R.empty());
    EXPECT_EQ(0, std::memcmp(emptied.R.chars, "780.14", 6));
}

// In metric units the laboratory equivalent volume and face velocity are
// worked out from the last point the calculation uses, not converted from
// the record's rounded texts, and stay within those texts' rounding.
TEST(Calculate, MetricLaboratoryResultsFromTheDataBeforeRounding) {
    constexpr DisplayUnits Metric{UnitSystem::Metric, MetricFlowUnit::LitresPerHour};
    constexpr double LitresPerGallon = 3.785411784;
    TWineRec large = TypicalWine();
    large.Conditions.ProdA.assign("1.00");
    const TWineRec wines[] = {TypicalWine(), large,
                              MakeWine({}, ReadingsEvery(20, FirstTypicalVolumes(9)))};
    for (TWineRec rec : wines) {
        SCOPED_TRACE(Text(rec.Conditions.ProdA));
        RecordingBoxes boxes;
        Calculate(rec, false, boxes, ",");
        const std::optional<FiltrationPoints> points = FittedPointsOf(rec);
        const std::optional<LabResults> lab = LabResultsOf(rec);
        ASSERT_TRUE(points && lab);
        const double litres = points->Volume.back() / 1000;
        const double hours = points->Time.back() / 3600;
        const double prodArea = std::stod(Text(rec.Conditions.ProdA));
        EXPECT_DOUBLE_EQ(lab->EquivalentVolumeL, litres * prodArea / points->LabArea);
        EXPECT_DOUBLE_EQ(lab->FaceVelocityLPerM2H, litres / points->LabArea / hours);

        // Each shown value, back in the record's unit, is within half a
        // step of the record's text plus half a step of its own.
        const ReportQuantities shown = ShownQuantities(rec, Metric, lab);
        const auto halfStep = [](const std::string& text) {
            const std::size_t point = text.find('.');
            return 0.5 * std::pow(10.0, point == std::string::npos
                                            ? 0.0
                                            : -static_cast<double>(text.size() - point - 1));
        };
        const double hectolitresPerGallon = LitresPerGallon / 100;
        EXPECT_LE(std::abs(std::stod(shown.LabEquivVolume) / hectolitresPerGallon -
                           std::stod(Text(rec.LabEquivVol))),
                  halfStep(Text(rec.LabEquivVol)) +
                      halfStep(shown.LabEquivVolume) / hectolitresPerGallon);
        const double lmhPerGpm = LitresPerGallon * 60;
        EXPECT_LE(std::abs(std::stod(shown.LabFaceVelocity) / lmhPerGpm -
                           std::stod(Text(rec.LabFaceVel))),
                  halfStep(Text(rec.LabFaceVel)) + halfStep(shown.LabFaceVelocity) / lmhPerGpm);
        EXPECT_NEAR(std::stod(shown.LabFaceVelocity), litres / points->LabArea / hours,
                    halfStep(shown.LabFaceVelocity));
    }
    TWineRec few = MakeWine({}, ReadingsEvery(20, FirstTypicalVolumes(3)));
    RecordingBoxes boxes;
    Calculate(few, false, boxes, ",");
    EXPECT_FALSE(LabResultsOf(few));
}

} // namespace
} // namespace zephra
