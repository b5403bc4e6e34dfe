#include "entry/DecimalCommaHint.h"

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

} // namespace
} // namespace zephra
