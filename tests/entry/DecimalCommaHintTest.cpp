#include "entry/DecimalCommaHint.h"
#include "entry/DecimalMark.h"

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

TEST(DecimalCommaHintTest, WhereDecimalsTakeACommaItBecomesThePoint) {
    struct Case {
        const char* text;
        const char* withComma; // as read where decimals are written with a comma
    };
    const Case cases[] = {{"12,5", "12.5"},   {" -3,0", " -3.0"}, {"12.5", "12.5"},
                          {"1,2,3", "1,2,3"}, {"1,x", "1,x"},     {"", ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(WithDecimalPoint(c.text, DecimalMark::Comma), c.withComma) << c.text;
        EXPECT_EQ(WithDecimalPoint(c.text, DecimalMark::Point), c.text) << c.text;
    }
}

} // namespace
} // namespace zephra
