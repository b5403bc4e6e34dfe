#include "entry/DecimalCommaHint.h"
#include "entry/ConditionsCheck.h"
#include "entry/DataCheck.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

TEST(DecimalCommaHintTest, OnlyANumberWithOneDecimalCommaGetsTheHint) {
    struct Case {
        const char* text;
        bool hint;
    };
    const Case cases[] = {{"12,5", true},  {",5", true},     {"1,5e2", true}, {" -3,0", true},
                          {"12.5", false}, {"1,2,3", false}, {"abc", false},  {"1,x", false},
                          {",", true},     {"", false}};
    for (const Case& c : cases) {
        EXPECT_EQ(UsesDecimalComma(c.text), c.hint) << '"' << c.text << '"';
    }
}

TEST(DecimalCommaHintTest, ConditionsMessageEndsWithTheHint) {
    ConditionsForm form;
    form.WineName = "Merlot";
    form.FilterName = "K250";
    form.LabPressure = "5";
    form.FilterDiameter = "47";
    form.MaxPressure = "30";
    form.Area = "1,5";
    form.Rate = "100";
    const auto failure = ConditionsRangeCheck(form);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Field, ConditionsField::Area);
    EXPECT_EQ(failure->Message,
              "Full-Scale Area is out of Range. Please enter a value between 1000 and 0.2. Use a "
              "point (.) as the decimal separator.");
    EXPECT_EQ(form.Area, "1,5") << "the failing text stays as typed";

    form.Area = "x";
    EXPECT_EQ(ConditionsRangeCheck(form)->Message,
              "Full-Scale Area is out of Range. Please enter a value between 1000 and 0.2.");
}

TEST(DecimalCommaHintTest, DataMessageNamesRowAndColumn) {
    struct Case {
        DataColumn column;
        int row;
        const char* text;
        const char* expected;
    };
    const std::string base = DataEntryErrorMessage;
    const Case cases[] = {
        {DataColumn::Volume, 5, "12,5",
         "Row 5, volume: There is an error in the data entry. Please correct it and retry, or "
         "cancel. (Volume increments must be greater than 0.1 ml.) Use a point (.) as the "
         "decimal separator."},
        {DataColumn::Minutes, 36, "1000", ""},
        {DataColumn::Seconds, 1, "6o", ""},
    };
    for (const Case& c : cases) {
        DataForm form;
        const int i = c.row - 1;
        (c.column == DataColumn::Volume    ? form.Volume[i]
         : c.column == DataColumn::Minutes ? form.Minutes[i]
                                           : form.Seconds[i]) = c.text;
        const auto failure = DataRangeCheck(form);
        ASSERT_TRUE(failure.has_value()) << c.text;
        EXPECT_EQ(failure->Row, c.row);
        const std::string message = DataCheckMessage(*failure, form);
        if (*c.expected != '\0') {
            EXPECT_EQ(message, c.expected);
        }
        const char* column = c.column == DataColumn::Volume    ? "volume"
                             : c.column == DataColumn::Minutes ? "minutes"
                                                               : "seconds";
        EXPECT_EQ(message.rfind("Row " + std::to_string(c.row) + ", " + column + ": " + base, 0),
                  0u)
            << message;
    }
}

} // namespace
} // namespace zephra
