#include "document/NumberMarks.h"

#include <gtest/gtest.h>

#include <string>

namespace zephra {
namespace {

const std::string Nnbsp(NarrowNoBreakSpace);

// The marks each locale's own conventions give, as the desktop reads them
// from its locale, and the marks the shown numbers take from them.
struct LocaleCase {
    const char* locale;
    const char* decimal;
    const char* group;
    NumberMarks shown;
};

const LocaleCase Locales[] = {
    {"en_US", ".", ",", {".", ","}},   {"fr_FR", ",", "\xE2\x80\xAF", {",", Nnbsp}},
    {"it_IT", ",", ".", {",", Nnbsp}}, {"es_ES", ",", ".", {",", Nnbsp}},
    {"de_DE", ",", ".", {",", Nnbsp}}, {"pt_PT", ",", "\xC2\xA0", {",", Nnbsp}},
    {"C", ".", "", {".", ""}},
};

TEST(NumberMarksTest, GroupMarkCannotBeTakenForTheDecimalMark) {
    for (const LocaleCase& c : Locales) {
        EXPECT_EQ(LocaleNumberMarks(c.decimal, c.group), c.shown) << c.locale;
    }
}

TEST(NumberMarksTest, NumbersInEveryLocale) {
    struct Case {
        const char* machine;
        const char* english;
        std::string decimalComma; // the five other locales alike
    };
    const Case cases[] = {
        {"75.4", "75.4", "75,4"},
        {"0.65", "0.65", "0,65"},
        {"-0.07", "-0.07", "-0,07"},
        {"1643", "1,643", "1" + Nnbsp + "643"},
        {"900889", "900,889", "900" + Nnbsp + "889"},
        {"32446.5", "32,446.5", "32" + Nnbsp + "446,5"},
        {"-1234567", "-1,234,567", "-1" + Nnbsp + "234" + Nnbsp + "567"},
        {"523", "523", "523"},
        {"1.579e-06", "1.579e-06", "1,579e-06"},
        {"  12.5", "  12.5", "  12,5"},
        {"0", "0", "0"},
        // Texts that are not one number stay as they are.
        {"—", "—", "—"},
        {"1.2.3", "1.2.3", "1.2.3"},
        {"12 s", "12 s", "12 s"},
        {"over 1,000", "over 1,000", "over 1,000"},
        {"1e", "1e", "1e"},
        {"-", "-", "-"},
        {"", "", ""},
    };
    for (const LocaleCase& l : Locales) {
        if (std::string(l.locale) == "C") {
            continue;
        }
        for (const Case& c : cases) {
            const std::string expected =
                std::string(l.decimal) == "," ? c.decimalComma : std::string(c.english);
            EXPECT_EQ(InMarks(c.machine, l.shown), expected) << l.locale << ": " << c.machine;
            EXPECT_EQ(WithoutMarks(expected, l.shown), c.machine) << l.locale << ": " << c.machine;
        }
    }
}

TEST(NumberMarksTest, WithoutMarksNumbersStayAsWritten) {
    UseNumberMarks(std::nullopt);
    EXPECT_EQ(ShownNumber("1234.5"), "1234.5");
    EXPECT_EQ(ShownEntryNumber("1234.5"), "1234.5");
    UseNumberMarks(NumberMarks{",", Nnbsp});
    EXPECT_EQ(ShownNumber("1234.5"), "1" + Nnbsp + "234,5");
    EXPECT_EQ(ShownEntryNumber("1234.5"), "1234,5"); // an entry box reads it back
    UseNumberMarks(std::nullopt);
}

} // namespace
} // namespace zephra
