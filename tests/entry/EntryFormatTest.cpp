#include "entry/EntryFormat.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zephra {
namespace {

enum class Variant { Strict, BlankTolerant, Seconds };

struct Field {
    Variant variant;
    double lo;
    double hi;
    int width;
    int decimals;
};

// The fields of the dialogs.
constexpr Field Pressure{Variant::Strict, 0.1, 1000, 4, 1};
constexpr Field MaxPressure{Variant::Strict, 1, 1000, 4, 0};
constexpr Field Area{Variant::Strict, 0.2, 1000, 4, 2};
constexpr Field Density{Variant::Strict, 0.1, 2, 6, 4};
constexpr Field Volume{Variant::BlankTolerant, 0.1, 100000, 6, 1};
constexpr Field Minutes{Variant::BlankTolerant, 0, 999, 3, 0};
constexpr Field Seconds{Variant::Seconds, 0, 59, 2, 0};

void RunFormat(const Field& f, std::string& S, bool& error, double& temp) {
    switch (f.variant) {
    case Variant::Strict:
        Format(S, error, temp, f.hi, f.lo, f.width, f.decimals);
        break;
    case Variant::BlankTolerant:
        FormatBlankTolerant(S, error, temp, f.hi, f.lo, f.width, f.decimals);
        break;
    case Variant::Seconds:
        FormatSec(S, error, temp, f.hi, f.lo, f.width, f.decimals);
        break;
    }
}

TEST(EntryFormatTest, AcceptedTextsTakeTheirStoredForm) {
    struct Case {
        Field field;
        const char* typed;
        const char* stored;
        double value;
    };
    const Case cases[] = {
        {Pressure, "5", " 5.0", 5},
        {Pressure, " 5", " 5.0", 5},
        {Pressure, "+5", " 5.0", 5},
        {Pressure, "5e1", "50.0", 50},
        {Pressure, "12.34", "12.3", 12.34},
        {Pressure, "123.4", " 123", 123.4},
        {Pressure, "999.96", "1000", 999.96},
        {Pressure, "1000", "1000", 1000},
        {Pressure, "0.1", " 0.1", 0.1},
        {Pressure, "12.96", "13.0", 12.96},
        {Area, "1.5", "1.50", 1.5},
        {Area, "10", "10.0", 10},
        {Area, "123", " 123", 123},
        {Area, "12.345", "12.3", 12.345},
        {MaxPressure, "50", "  50", 50},
        {MaxPressure, "12.5", "  13", 12.5},
        {Volume, "250", " 250.0", 250},
        {Volume, "12.5", "  12.5", 12.5},
        {Volume, "12345.67", " 12345", 12345.67},
        {Volume, "12345.6", " 12345", 12345.6},
        {Volume, "99999.96", "100000", 99999.96},
        {Volume, "100000", "100000", 100000},
        {Minutes, "5", "  5", 5},
        {Minutes, "2.5", "  3", 2.5},
        {Seconds, "5", "05", 5},
        {Seconds, "0", "00", 0},
        {Seconds, "59", "59", 59},
        {Seconds, "5.5", "06", 5.5},
        {Seconds, "7.4", "07", 7.4},
        {Density, "1", "1.0000", 1},
        {Density, "1.23456", "1.2346", 1.23456},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        std::string S = c.typed;
        bool error = true;
        double temp = -1;
        RunFormat(c.field, S, error, temp);
        EXPECT_FALSE(error);
        EXPECT_EQ(S, c.stored);
        EXPECT_EQ(temp, c.value);
    }
}

TEST(EntryFormatTest, RejectedTextsStayAsTyped) {
    struct Case {
        Field field;
        const char* typed;
        bool rangeError; // temp then holds the value
        double value;
    };
    const Case cases[] = {
        {Pressure, "1000.1", true, 1000.1}, {Pressure, "0.09", true, 0.09},
        {Pressure, "", false, 0},           {Pressure, "   ", false, 0},
        {Pressure, "5 ", false, 0},         {Pressure, "1,5", false, 0},
        {Pressure, "-", false, 0},          {Pressure, "abc", false, 0},
        {Area, "0.1", true, 0.1},           {Volume, "0.05", true, 0.05},
        {Volume, "       ", false, 0}, // seven blanks are not a number
        {Volume, "1e400", true, HUGE_VAL},  {Minutes, "1000", true, 1000},
        {Minutes, "-1", true, -1},          {Seconds, "60", true, 60},
        {Seconds, "   ", false, 0},         {Seconds, "5 ", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.typed + "'");
        std::string S = c.typed;
        bool error = false;
        double temp = -12345;
        RunFormat(c.field, S, error, temp);
        EXPECT_TRUE(error);
        EXPECT_EQ(S, c.typed);
        if (c.rangeError) {
            EXPECT_EQ(temp, c.value);
        }
    }
}

TEST(EntryFormatTest, BlankBoxesOfTheDataDialogBecomeEmptyWithoutError) {
    struct Case {
        Field field;
        const char* typed;
    };
    const Case cases[] = {{Volume, ""},     {Volume, " "}, {Volume, "      "}, {Minutes, ""},
                          {Minutes, "   "}, {Seconds, ""}, {Seconds, " "},     {Seconds, "  "}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.typed + "'");
        std::string S = c.typed;
        bool error = true;
        double temp = 7;
        RunFormat(c.field, S, error, temp);
        EXPECT_FALSE(error);
        EXPECT_EQ(S, "");
        EXPECT_EQ(temp, 7) << "temp is left alone";
    }
}

} // namespace
} // namespace zephra
