#include "reports/ResultValue.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

struct Case {
    const char* text;
    ResultValue value;
};

TEST(ResultValueTest, NumbersTextsAndBlanks) {
    const Case cases[] = {
        {"  1.23", 1.23},
        {"-0.5", -0.5},
        {"1E15", 1e15},
        {"", std::monostate{}},
        {"      ", std::monostate{}},
        {"   neg", std::string("neg")},
        {"> 1E15", std::string("> 1E15")},
        {"1,709", std::string("1,709")},
        {"12abc", std::string("12abc")},
        {"1E400", std::string("1E400")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadResultValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ResultValueTest, GallonsGroupedInThousandsAreNumbers) {
    const Case cases[] = {
        {"     1,709", 1709.0},
        {"12.345.678", 12345678.0},
        {"3 453", 3453.0},
        {"709", 709.0},
        {"over 1,000,000,000,000", std::string("over 1,000,000,000,000")},
        {"1,70", std::string("1,70")},
        {"1,709.5", std::string("1,709.5")},
        {"1234,567", std::string("1234,567")},
        {"1,234.567", std::string("1,234.567")},
        {"      ", std::monostate{}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadGallonValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(ResultValueTest, TableTextIsShortestExactNumber) {
    EXPECT_EQ(ResultValueText(1709.0), "1709");
    EXPECT_EQ(ResultValueText(0.012), "0.012");
    EXPECT_EQ(ResultValueText(std::string("neg")), "neg");
    EXPECT_EQ(ResultValueText(std::monostate{}), "");
}

} // namespace
} // namespace zephra
