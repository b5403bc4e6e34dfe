#include "acquisition/CountdownText.h"

#include <gtest/gtest.h>

using zephra::CountdownText;

namespace {

struct CountdownCase {
    double remaining;
    const char* text;
};

class CountdownTextTest : public ::testing::TestWithParam<CountdownCase> {};

TEST_P(CountdownTextTest, MinutesAndSecondsFrom60To1) {
    EXPECT_EQ(CountdownText(GetParam().remaining), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Countdowns, CountdownTextTest,
    ::testing::Values(CountdownCase{14.5, " 0:15"}, CountdownCase{60.0, " 1:01"},
                      CountdownCase{59.5, " 0:60"}, CountdownCase{15.0, " 0:16"},
                      CountdownCase{0.001, " 0:01"}, CountdownCase{239.9, " 3:60"},
                      CountdownCase{600.0, "10:01"}));

} // namespace
