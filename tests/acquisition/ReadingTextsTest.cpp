#include "acquisition/ReadingTexts.h"

#include <gtest/gtest.h>

using zephra::MakeReadingTexts;

namespace {

struct TextsCase {
    double volume;
    std::int64_t elapsedMs;
    const char* v;
    const char* m;
    const char* sc;
};

class ReadingTextsTest : public ::testing::TestWithParam<TextsCase> {};

TEST_P(ReadingTextsTest, VolumeMinutesAndSeconds) {
    const TextsCase& c = GetParam();
    const zephra::ReadingTexts texts = MakeReadingTexts(c.volume, c.elapsedMs);
    EXPECT_EQ(texts.V, c.v);
    EXPECT_EQ(texts.M, c.m);
    EXPECT_EQ(texts.Sc, c.sc);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, ReadingTextsTest,
    ::testing::Values(
        TextsCase{12.34, 90000, "  12.3", "  1", "30"},
        TextsCase{5.0, 125400, "   5.0", "  2", "05"}, TextsCase{5.0, 15133, "   5.0", "  0", "15"},
        // seconds rounding to 60 become the next whole minute
        TextsCase{5.0, 119700, "   5.0", "  2", "00"}, TextsCase{5.0, 59500, "   5.0", "  1", "00"},
        // halves go to the even neighbour
        TextsCase{5.0, 62500, "   5.0", "  1", "02"}, TextsCase{5.0, 63500, "   5.0", "  1", "04"},
        TextsCase{5.0, 8640000, "   5.0", "144", "00"},
        // never cut here: the record keeps the first 6 characters
        TextsCase{12345.6, 30000, "12345.6", "  0", "30"},
        TextsCase{0.05, 30000, "   0.1", "  0", "30"}));

} // namespace
