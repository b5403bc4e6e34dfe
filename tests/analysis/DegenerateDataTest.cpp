#include "analysis/Calculate.h"

#include "AnalysisTestSupport.h"
#include "document/Real48.h"
#include "support/RecordingBoxes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace zephra {
namespace {

using test::ExpectBlankResults;
using test::MakeWine;
using test::ReadingsEvery;
using test::RecordingBoxes;
using test::Text;
using test::TypicalVolumes;

const std::string ConditionsMessage = "The filtration conditions are missing or out of range. "
                                      "Please check them with Edit Conditions. Unable to "
                                      "calculate.";
const std::string EqualMessage = "The resistance is the same over every interval in use. Unable "
                                 "to calculate fouling constants.";
const std::string VolumeRangeMessage =
    "A volume in the data is too large or too small to calculate with. Unable to calculate.";
const std::string VAZeroMessage = "The Power Model has no value at a V/A of 0.000. Those rows "
                                  "show no Power Model resistance.";

std::vector<std::string> CalculateShown(TWineRec& rec) {
    RecordingBoxes boxes;
    Calculate(rec, true, boxes, ",");
    return boxes.Texts();
}

void ExpectNoNonFiniteText(const TWineRec& rec) {
    for (const std::string& text : test::AllTexts(rec)) {
        std::string lower = text;
        for (char& c : lower) {
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        }
        EXPECT_EQ(lower.find("nan"), std::string::npos) << text;
        EXPECT_EQ(lower.find("inf"), std::string::npos) << text;
    }
}

TEST(DegenerateData, UnusableConditionsBlankEverythingWithAWarning) {
    const struct {
        const char* name;
        void (*change)(test::ConditionTexts&);
    } cases[] = {
        {"no filter diameter", [](test::ConditionTexts& c) { c.LabFiltDia = ""; }},
        {"zero laboratory pressure", [](test::ConditionTexts& c) { c.LabP = " 0.0"; }},
        {"negative production pressure", [](test::ConditionTexts& c) { c.ProdP = " -30"; }},
        {"no production area", [](test::ConditionTexts& c) { c.ProdA = ""; }},
        {"zero flow rate", [](test::ConditionTexts& c) { c.ProdRate = " 0.0"; }},
        {"unreadable flow rate", [](test::ConditionTexts& c) { c.ProdRate = "abc"; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::ConditionTexts conditions;
        c.change(conditions);
        TWineRec rec = MakeWine(conditions, ReadingsEvery(15, TypicalVolumes()));
        rec.aReal = DoubleToReal48(5e13);
        rec.Model.set(1);
        EXPECT_EQ(CalculateShown(rec), std::vector{ConditionsMessage});
        EXPECT_EQ(Text(rec.MaxProdR), "      ");
        ExpectBlankResults(rec);
        for (const TTableRow& row : rec.TableData) {
            EXPECT_TRUE(row.V.empty() && row.VA.empty() && row.R.empty() && row.Rexp.empty() &&
                        row.Rpower.empty());
        }
        EXPECT_EQ(Real48ToDouble(rec.aReal), 5e13);
        EXPECT_EQ(Text(rec.Data.V[0]), "   7.2");
    }
}

TEST(DegenerateData, EqualResistancesCountAsInsufficientWithTheirOwnWarning) {
    // Ten millilitres every 15 s: every interval has the same resistance.
    TWineRec rec = MakeWine(
        {}, ReadingsEvery(15, {"  10.0", "  20.0", "  30.0", "  40.0", "  50.0", "  60.0"}));
    EXPECT_EQ(CalculateShown(rec), std::vector{EqualMessage});
    ExpectBlankResults(rec);
    EXPECT_EQ(Text(rec.MaxProdR), "5515.8");
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Text(rec.TableData[i].R), "358.86");
        EXPECT_TRUE(rec.TableData[i].Rexp.empty());
        EXPECT_TRUE(rec.TableData[i].Rpower.empty());
    }
}

TEST(DegenerateData, EqualResistancesAfterTheSkippedPointsAreCaughtToo) {
    TWineRec rec = MakeWine(
        {}, ReadingsEvery(15, {"   5.0", "  15.0", "  25.0", "  35.0", "  45.0", "  55.0"}), 1);
    EXPECT_EQ(CalculateShown(rec), std::vector{EqualMessage});
    ExpectBlankResults(rec);
}

TEST(DegenerateData, RowsWhoseVAShowsZeroHaveNoPowerValue) {
    test::ConditionTexts conditions;
    conditions.LabFiltDia = "200.";
    conditions.ProdP = "1000";
    TWineRec rec = MakeWine(conditions, ReadingsEvery(15, TypicalVolumes()));
    EXPECT_EQ(CalculateShown(rec), std::vector{VAZeroMessage});
    EXPECT_EQ(Text(rec.TableData[0].VA), "0.000");
    EXPECT_EQ(Text(rec.TableData[1].VA), "0.000");
    EXPECT_EQ(Text(rec.TableData[2].VA), "0.001");
    EXPECT_EQ(Text(rec.TableData[0].Rpower), "      ");
    EXPECT_EQ(Text(rec.TableData[1].Rpower), "      ");
    for (int i = 2; i < 36; ++i) {
        EXPECT_NE(Text(rec.TableData[i].Rpower).find_first_not_of(' '), std::string::npos) << i;
    }
    EXPECT_NE(Text(rec.RmP).find_first_not_of(' '), std::string::npos);
    ExpectNoNonFiniteText(rec);
}

TEST(DegenerateData, VolumesBeyondTheDoubleRangeStopTheCalculation) {
    const struct {
        const char* name;
        void (*change)(std::vector<test::Reading>&);
    } cases[] = {
        {"last volume overflowing", [](auto& r) { r[35].V = "9E+308"; }},
        {"first volume almost 0", [](auto& r) { r[0].V = "1E-300"; }},
        {"overflowing volume counted after the end of the data",
         [](auto& r) {
             r[5].M = r[4].M;
             r[5].Sc = r[4].Sc;
             r[35].V = "9E+999";
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto readings = ReadingsEvery(15, TypicalVolumes());
        c.change(readings);
        TWineRec rec = MakeWine({}, readings);
        EXPECT_EQ(CalculateShown(rec), std::vector{VolumeRangeMessage});
        ExpectBlankResults(rec);
        for (const TTableRow& row : rec.TableData) {
            EXPECT_TRUE(row.R.empty() && row.Rexp.empty() && row.Rpower.empty());
        }
        ExpectNoNonFiniteText(rec);
    }
}

TEST(DegenerateData, ARecordOfArbitraryTextsNeverCrashesOrShowsNonFiniteNumbers) {
    std::mt19937 random(20261210);
    const std::string alphabet = "0123456789 .-+Ee9x";
    const auto randomText = [&](std::size_t capacity) {
        std::string text;
        const std::size_t length = random() % (capacity + 1);
        for (std::size_t i = 0; i < length; ++i) {
            text += alphabet[random() % alphabet.size()];
        }
        return text;
    };
    for (int wine = 0; wine < 300; ++wine) {
        SCOPED_TRACE(wine);
        test::ConditionTexts conditions;
        if (random() % 4 == 0) {
            conditions.LabP = randomText(4);
            conditions.LabFiltDia = randomText(4);
            conditions.ProdA = randomText(4);
            conditions.ProdRate = randomText(4);
        }
        std::vector<test::Reading> readings = ReadingsEvery(15, TypicalVolumes());
        for (test::Reading& reading : readings) {
            if (random() % 6 == 0) {
                reading = {randomText(6), randomText(3), randomText(2)};
            }
        }
        TWineRec rec = MakeWine(conditions, readings, static_cast<std::uint16_t>(random() % 20));
        rec.Conditions.WineType.set(static_cast<std::int16_t>(random() % 3));
        TWineRec silent = rec;
        RecordingBoxes boxes;
        Calculate(rec, true, boxes, ",");
        Calculate(silent, false, boxes, ",");
        ExpectNoNonFiniteText(rec);
        EXPECT_EQ(0, std::memcmp(&rec, &silent, sizeof rec));
    }
}

} // namespace
} // namespace zephra
