#include "entry/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zephra {
namespace {

TEST(NumberTextTest, AcceptsTheEntryGrammar) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"5", 5},
        {"   5", 5},
        {"+5", 5},
        {"-5", -5},
        {"5e1", 50},
        {"5E+1", 50},
        {"5e-1", 0.5},
        {"5.", 5},
        {".5", 0.5},
        {".", 0},
        {"-.", 0},
        {"-.5e1", -5},
        {"e5", 0}, // both digit runs empty, then an exponent
        {"00012.50", 12.5},
        {"1e0000000000000000000003", 1000},
        {"0.1", 0.1},
        {"0.1000000000000000055511151231257827021181583404541015625", 0.1},
        {"9007199254740993", 9007199254740992.0}, // halfway: to even
        {"9007199254740993.000000000000000000001", 9007199254740994.0},
        {"2.2250738585072011e-308", 2.2250738585072011e-308},
        {"1e400", inf},
        {"-1e400", -inf},
        {"1e-400", 0},
        {"123456789e99999999999999999999", inf},
        {"0.000001e-99999999999999999999", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<double> value = ParseEntryNumber(c.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.value);
    }
}

TEST(NumberTextTest, RejectsEverythingElse) {
    const char* cases[] = {"",     "   ", "-",   "+",   "5 ",  "1,5",  "1,",   "abc",
                           "5x",   "1e",  "1e+", "--5", "+-5", "\t5",  "5\n",  "1.2.3",
                           "0x10", "inf", "nan", "E",   ". ",  " - 5", "1 000"};
    for (const char* text : cases) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseEntryNumber(text).has_value());
    }
}

TEST(NumberTextTest, StoredTextReadsItsLongestNumberPrefix) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},   {"      ", 0}, {" 12.5", 12.5}, {"  -3", -3},      {"12.5abc", 12.5},
        {"1e", 1}, {"1e+", 1},    {"2E3x", 2000},  {"1,5", 1},        {"abc", 0},
        {"-", 0},  {"> 1E15", 0}, {"   neg", 0},   {"25000.", 25000}, {" 5 ", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadStoredNumber(c.text), c.value);
    }
}

// Digit runs far beyond the range of a double, with no exponent to scale
// them, are read as the grammar says: too large is infinite, too small is 0.
TEST(NumberTextTest, DigitRunsOfAnyLengthReadWithoutAnExponent) {
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::string text;
        double value;
    };
    const Case cases[] = {
        {std::string(308, '9'), 1e308},          {"1" + std::string(308, '0'), 1e308},
        {"1" + std::string(309, '0'), inf},      {std::string(400, '7'), inf},
        {"-" + std::string(400, '7'), -inf},     {std::string(400, '7') + ".5", inf},
        {"0." + std::string(330, '0') + "1", 0}, {"-0." + std::string(330, '0') + "1", -0.0},
        {"." + std::string(5000, '0') + "1", 0}, {"0." + std::string(330, '0') + "1e400", 1e69},
        {std::string(400, '7') + "e-800", 0},    {std::string(100000, '3'), inf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        const std::optional<double> value = ParseEntryNumber(c.text);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, c.value);
        EXPECT_EQ(std::signbit(*value), std::signbit(c.value));
        EXPECT_EQ(ReadStoredNumber(c.text + "x"), c.value);
    }
}

} // namespace
} // namespace zephra
