#include "acquisition/RunStatusText.h"

#include <gtest/gtest.h>

namespace {

using namespace zephra;

TEST(RunStatusTextTest, ElapsedTime) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "0:00"},
        {999, "0:00"},
        {15'400, "0:15"},
        {95'000, "1:35"},
        {3'599'999, "59:59"},
        {3'600'000, "1:00:00"},
        {3'725'000, "1:02:05"},
        {8'640'000, "2:24:00"},
        {-5, "0:00"},
    };
    for (const auto& [ms, text] : cases)
        EXPECT_EQ(ElapsedText(ms), text) << ms;
}

TEST(RunStatusTextTest, LastReadingAndInterval) {
    StoredPoint point;
    point.grams = 212.4;
    point.texts.V = " 213.5";
    EXPECT_EQ(LastReadingText(point), "212.40 g, 213.5 ml");
    point.grams = -12.34;
    point.texts.V = "   1.0";
    EXPECT_EQ(LastReadingText(point), "-12.34 g, 1.0 ml");
    EXPECT_EQ(IntervalText(15.0), "15 s");
    EXPECT_EQ(IntervalText(240.0), "240 s");
}

TEST(RunStatusTextTest, Stall) {
    const std::pair<std::int64_t, const char*> cases[] = {
        {40'000, "resumed after 40 s without readings"},
        {40'499, "resumed after 40 s without readings"},
        {40'500, "resumed after 41 s without readings"},
        {3'725'000, "resumed after 3725 s without readings"},
    };
    for (const auto& [ms, text] : cases)
        EXPECT_EQ(StallText(ms), text) << ms;
}

} // namespace
