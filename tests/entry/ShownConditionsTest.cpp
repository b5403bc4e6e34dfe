#include "entry/ShownConditions.h"

#include "document/TextCatalog.h"
#include "document/WineFile.h"
#include "entry/ConditionsRecord.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace zephra {
namespace {

constexpr DisplayUnits MetricLitres{UnitSystem::Metric, MetricFlowUnit::LitresPerHour};
constexpr DisplayUnits MetricHectolitres{UnitSystem::Metric, MetricFlowUnit::HectolitresPerHour};

ConditionsForm Form(const char* labP, const char* maxP, const char* rate, int rateUnits) {
    ConditionsForm form;
    // A name longer than the record keeps and comments: the wine's notes
    // are written too.
    form.WineName = "Riesling Spätlese Mosel 2024";
    form.FilterName = "Membrane 0.65";
    form.Comments = "Cold-stabilised, 1,5 g/L CO₂";
    form.WineType = 0;
    form.LabPressure = labP;
    form.FilterDiameter = "47";
    form.MaxPressure = maxP;
    form.Area = "1.5";
    form.Rate = rate;
    form.RateUnits = rateUnits;
    return form;
}

std::string FileBytes(const TWineRec& rec, const WineNotes& notes, const std::string& name) {
    const std::string path = ::testing::TempDir() + name;
    EXPECT_EQ(WriteWineFile(path, rec, notes), 0);
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A wine typed in metric units is the wine typed in US units with the
// converted values, byte for byte.
TEST(ShownConditionsTest, MetricEntryWritesTheSameFileAsUsEntry) {
    struct Case {
        ConditionsForm metric;
        DecimalMark mark;
        ConditionsForm us;
    };
    const Case cases[] = {
        {Form("2", "3.5", "50", RateHectolitresPerHour), DecimalMark::Point,
         Form("29", "51", "22", 1)},
        {Form("1,5", "2", "5000", RateLitresPerHour), DecimalMark::Comma,
         Form("21.8", "29", "22.0", 1)},
        {Form("0.69", "2.76", "454000", RateLitresPerHour), DecimalMark::Point,
         Form("10", "40", "1998", 1)},
        {Form("2", "4", "120", 0), DecimalMark::Point, Form("29.0", "58", "120", 0)}, // bpm
        {Form("0,5", "0,1", "12,5", RateHectolitresPerHour), DecimalMark::Comma,
         Form("7.3", "1", "5.5", 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.metric.LabPressure + " bar, " + c.metric.Rate);
        ConditionsForm shown = c.metric;
        ConditionsForm metricStored;
        ASSERT_FALSE(ShownConditionsCheck(shown, MetricLitres, metricStored, c.mark));
        ConditionsForm us = c.us;
        ConditionsForm usStored;
        ASSERT_FALSE(ShownConditionsCheck(us, UsUnits, usStored));
        const std::string usFile =
            FileBytes(NewWineRecord(usStored), FormNotes(usStored), "us.zph");
        EXPECT_GT(usFile.size(), sizeof(TWineRec)); // the notes follow the record
        EXPECT_EQ(FileBytes(NewWineRecord(metricStored), FormNotes(metricStored), "metric.zph"),
                  usFile);

        TWineRec editedMetric = NewWineRecord(usStored);
        TWineRec editedUs = editedMetric;
        WineNotes metricNotes;
        WineNotes usNotes;
        StoreEditedConditions(editedMetric, metricNotes, metricStored);
        StoreEditedConditions(editedUs, usNotes, usStored);
        EXPECT_EQ(FileBytes(editedMetric, metricNotes, "metric.zph"),
                  FileBytes(editedUs, usNotes, "us.zph"));
    }
}

TEST(ShownConditionsTest, CheckedBoxesShowWhatTheWineNowHolds) {
    ConditionsForm shown = Form("2,00", "3.50", "5 000", RateLitresPerHour);
    ConditionsForm stored;
    const auto failure = ShownConditionsCheck(shown, MetricLitres, stored, DecimalMark::Comma);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->Field, ConditionsField::Rate);
    EXPECT_EQ(shown.LabPressure, "2");
    EXPECT_EQ(shown.FilterDiameter, "47.0");
    EXPECT_EQ(shown.MaxPressure, "3.5");
    EXPECT_EQ(shown.Area, "1.50");
    EXPECT_EQ(shown.Rate, "5 000") << "the failing box keeps what was typed";

    shown.Rate = "5000";
    ASSERT_FALSE(ShownConditionsCheck(shown, MetricLitres, stored, DecimalMark::Comma));
    EXPECT_EQ(shown.Rate, "5000");
    EXPECT_EQ(stored.LabPressure, "29.0");
    EXPECT_EQ(stored.MaxPressure, "  51");
    EXPECT_EQ(stored.Rate, "22.0");
    EXPECT_EQ(stored.RateUnits, 1);
}

TEST(ShownConditionsTest, MessagesGiveTheRangeInTheUnitTyped) {
    struct Case {
        ConditionsForm form;
        const DisplayUnits& units;
        DecimalMark mark;
        ConditionsField field;
        const char* message;
    };
    const Case cases[] = {
        {Form("70", "3", "50", 0), MetricLitres, DecimalMark::Point, ConditionsField::LabPressure,
         "Laboratory Pressure is out of Range. Please enter a value between 0.0069 and 68.9 bar."},
        {Form("abc", "3", "50", 0), MetricLitres, DecimalMark::Point, ConditionsField::LabPressure,
         "Laboratory Pressure is out of Range. Please enter a value between 0.0069 and 68.9 bar."},
        {Form("2", "0.05", "50", 0), MetricLitres, DecimalMark::Point, ConditionsField::MaxPressure,
         "Maximum Full-Scale Pressure is out of Range. Please enter a "
         "value between 0.069 and 68.9 bar."},
        {Form("2", "3", "22", RateLitresPerHour), MetricLitres, DecimalMark::Point,
         ConditionsField::Rate,
         "Full-Scale Rate is out of Range. Please enter a value between 22.8 and 454000 L/h."},
        {Form("2", "3", "5000", RateHectolitresPerHour), MetricLitres, DecimalMark::Point,
         ConditionsField::Rate,
         "Full-Scale Rate is out of Range. Please enter a value between 0.228 and 4540 hL/h."},
        {Form("2", "3", "2000", 0), MetricLitres, DecimalMark::Point, ConditionsField::Rate,
         "Full-Scale Rate is out of Range. Please enter a value between 1999 and 0.1."},
        {Form("2,5", "3", "50", 0), MetricLitres, DecimalMark::Point, ConditionsField::LabPressure,
         "Laboratory Pressure is out of Range. Please enter a value between 0.0069 and 68.9 bar. "
         "Use a point (.) as the decimal separator."},
        {Form("0,001", "3", "50", 0), MetricLitres, DecimalMark::Comma,
         ConditionsField::LabPressure,
         "Laboratory Pressure is out of Range. Please enter a value between 0,0069 and 68,9 bar."},
        {Form("29", "50", "50", 0), UsUnits, DecimalMark::Comma, ConditionsField::Area, nullptr},
        {Form("0,05", "50", "50", 0), UsUnits, DecimalMark::Comma, ConditionsField::LabPressure,
         "Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1."},
        {Form("0,5", "50", "50", 0), UsUnits, DecimalMark::Point, ConditionsField::LabPressure,
         "Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1. Use a "
         "point (.) as the decimal separator."},
    };
    for (const Case& c : cases) {
        ConditionsForm shown = c.form;
        if (c.field == ConditionsField::Area) {
            shown.Area = "0,1";
        }
        SCOPED_TRACE(shown.LabPressure + " " + shown.MaxPressure + " " + shown.Rate);
        ConditionsForm stored;
        const auto failure = ShownConditionsCheck(shown, c.units, stored, c.mark);
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->Field, c.field);
        EXPECT_EQ(failure->Message,
                  c.message ? c.message
                            : "Full-Scale Area is out of Range. Please enter a value between 1000 "
                              "and 0.2.");
        EXPECT_EQ(shown.Rate, c.form.Rate) << "nothing after the failing box is rewritten";
    }
}

// A catalog that knows one text, with the bounds in the other order.
class OneTextCatalog : public TextCatalog {
public:
    std::string Translate(const char* context, const char* english) const override {
        return std::string(context) == "ShownConditions" &&
                       std::string(english) == "Laboratory Pressure is out of Range. Please enter "
                                               "a value between %1 and %2 %3."
                   ? "Der Labordruck liegt außerhalb des Bereichs. Bitte geben Sie einen Wert "
                     "zwischen %1 und %2 %3 ein."
                   : english;
    }
};

TEST(ShownConditionsTest, RangeMessagesInMetricUnitsAreTranslated) {
    const OneTextCatalog catalog;
    UseTextCatalog(&catalog);
    ConditionsForm shown = Form("70", "3", "50", 0);
    ConditionsForm stored;
    const auto failure = ShownConditionsCheck(shown, MetricLitres, stored, DecimalMark::Comma);
    UseTextCatalog(nullptr);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->Message, "Der Labordruck liegt außerhalb des Bereichs. Bitte geben Sie "
                                "einen Wert zwischen 0,0069 und 68,9 bar ein.");
}

// Opening Edit Conditions in metric units and pressing OK stores what the
// wine held.
TEST(ShownConditionsTest, ConfirmingWhatIsShownKeepsTheWine) {
    const ConditionsForm storedForms[] = {
        Form("29.0", "  51", "22.0", 1), Form(" 0.1", "   1", " 0.1", 1),
        Form("1000", "1000", "1999", 1), Form(" 145", "  14", " 123", 1),
        Form(" 5.0", "  30", " 100", 0),
    };
    for (const DisplayUnits& units : {MetricLitres, MetricHectolitres}) {
        for (const ConditionsForm& original : storedForms) {
            SCOPED_TRACE(original.LabPressure + original.MaxPressure + original.Rate);
            ConditionsForm shown = ShownConditionsForm(original, units);
            ConditionsForm stored;
            ASSERT_FALSE(ShownConditionsCheck(shown, units, stored));
            EXPECT_EQ(stored.LabPressure, original.LabPressure);
            EXPECT_EQ(stored.MaxPressure, original.MaxPressure);
            EXPECT_EQ(stored.Rate, original.Rate);
            EXPECT_EQ(stored.RateUnits, original.RateUnits);
        }
    }
}

TEST(ShownConditionsTest, ShownFormsPerUnitSystem) {
    const ConditionsForm gpm = Form("29.0", "  51", "22.0", 1);
    EXPECT_EQ(ShownConditionsForm(gpm, UsUnits).LabPressure, "29.0");
    const ConditionsForm litres = ShownConditionsForm(gpm, MetricLitres);
    EXPECT_EQ(litres.LabPressure, "2");
    EXPECT_EQ(litres.MaxPressure, "3.5");
    EXPECT_EQ(litres.Rate, "5000");
    EXPECT_EQ(litres.RateUnits, RateLitresPerHour);
    const ConditionsForm hectolitres = ShownConditionsForm(gpm, MetricHectolitres);
    EXPECT_EQ(hectolitres.Rate, "50");
    EXPECT_EQ(hectolitres.RateUnits, RateHectolitresPerHour);
    EXPECT_EQ(ShownFlowUnit(hectolitres), MetricFlowUnit::HectolitresPerHour);
    const ConditionsForm bpm = ShownConditionsForm(Form(" 5.0", "  30", " 100", 0), MetricLitres);
    EXPECT_EQ(bpm.Rate, " 100");
    EXPECT_EQ(bpm.RateUnits, 0);
    EXPECT_FALSE(ShownFlowUnit(bpm));
}

TEST(ShownConditionsTest, RateUnitNames) {
    EXPECT_EQ(RateUnitsNamed("bpm", false), 0);
    EXPECT_EQ(RateUnitsNamed("gpm", false), 1);
    EXPECT_FALSE(RateUnitsNamed("L/h", false));
    EXPECT_EQ(RateUnitsNamed("L/h", true), RateLitresPerHour);
    EXPECT_EQ(RateUnitsNamed("hL/h", true), RateHectolitresPerHour);
    EXPECT_EQ(RateUnitsNamed("gpm", true), 1);
    EXPECT_FALSE(RateUnitsNamed("l/h", true));
    EXPECT_EQ(RateUnitName(RateHectolitresPerHour), "hL/h");
}

} // namespace
} // namespace zephra
