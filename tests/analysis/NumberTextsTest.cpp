#include "analysis/GallonText.h"
#include "analysis/ResistanceText.h"
#include "analysis/ThousandsSeparator.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <optional>

namespace zephra {
namespace {

TEST(ResistanceText, ShowsUnitsOf1E9WithTwoDecimalsUpToTheLimit) {
    const struct {
        double R;
        const char* text;
    } cases[] = {
        {5e10, " 50.00"},
        {4.98415e11, "498.42"}, // 498.415 lies below the half in binary
        {2.5e13, "25000.00"},   // a six-character field keeps "25000."
        {0, "  0.00"},
        {999998999999999.0, "999999.00"},
        {999999000000000.0, "> 1E15"},
        {1e15, "> 1E15"},
        {std::numeric_limits<double>::infinity(), "> 1E15"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResistanceText(c.R), c.text) << c.R;
    }
}

TEST(GallonText, RoundsHalvesAwayFromZeroAndGroupsThousands) {
    const struct {
        double v;
        const char* separator;
        const char* text;
    } cases[] = {
        {523.4, ",", "523"},
        {1234567.6, ",", "1,234,568"},
        {1234567.6, ".", "1.234.568"},
        {1234567.6, "\xA0",
         "1\xA0"
         "234\xA0"
         "568"},
        {0.4, ",", "0"},
        {0.5, ",", "1"},
        {2.5, ",", "3"},
        {999.5, ",", "1,000"},
        {100000, ",", "100,000"},
        {999999999998.9, ",", "999,999,999,999"},
        {999999999999.0, ",", "over 1,000,000,000,000"},
        {1e12, ".", "over 1,000,000,000,000"},
        {std::numeric_limits<double>::infinity(), ",", "over 1,000,000,000,000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GallonText(c.v, c.separator), c.text) << c.v;
    }
}

// What GallonText wrote reads back; any other text is no number of gallons.
TEST(GallonText, ReadsBackWhatItWrote) {
    const struct {
        const char* text;
        std::optional<double> gallons;
    } cases[] = {
        {" 1,709 ", 1709},
        {"523", 523},
        {"1709", 1709}, // a locale without a thousands separator
        {"12.345.678", 12345678},
        {"3\xA0"
         "453",
         3453},
        {"      ", std::nullopt},
        {"over 1,000,000,000,000", std::nullopt},
        {" incalculably high", std::nullopt},
        {"1,70", std::nullopt},
        {"1,7099", std::nullopt},
        {"1,709.345", std::nullopt},
        {"-1,709", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadGallonText(c.text), c.gallons) << c.text;
    }
}

TEST(ThousandsSeparator, IsACommaWhereTheLocaleDefinesNone) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    EXPECT_EQ(LocaleThousandsSeparator(), ",");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(ThousandsSeparator, FollowsALocaleThatGroupsWithAPoint) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    }
    EXPECT_EQ(LocaleThousandsSeparator(), ".");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

} // namespace
} // namespace zephra
