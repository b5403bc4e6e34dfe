#include "acquisition/WeightReply.h"

#include <gtest/gtest.h>

#include <string>

using zephra::ParseWeightReply;

namespace {

struct ReplyCase {
    std::string line;
    bool error;
    double value;
    std::string weightStr;
};

class WeightReplyTest : public ::testing::TestWithParam<ReplyCase> {};

TEST_P(WeightReplyTest, ReadsSignAndCharacters2To10) {
    const ReplyCase& c = GetParam();
    const zephra::WeightReading reading = ParseWeightReply(c.line);
    EXPECT_EQ(reading.Error, c.error);
    EXPECT_EQ(reading.WeightStr, c.weightStr);
    if (!c.error) {
        EXPECT_EQ(reading.WeightVal, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, WeightReplyTest,
    ::testing::Values(ReplyCase{"-    12.34 g\r", false, -12.34, "    12.34"},
                      ReplyCase{"+    12.34 g\r", false, 12.34, "    12.34"},
                      ReplyCase{"     12.34 g\r", false, 12.34, "    12.34"},
                      ReplyCase{"+     0.00 g  \r", false, 0.0, "     0.00"},
                      // the number ends before character 10: the blank left over is an error
                      ReplyCase{"+   12.34  g\r", true, 0, "   12.34 "},
                      ReplyCase{"\r", true, 0, ""}, ReplyCase{"+12\r", true, 0, "12\r"},
                      // long form: the identifier shifts the number out of place
                      ReplyCase{"N     +    12.34 g  \r", true, 0, "     +   "},
                      // a sign inside the field is the grammar's own: "--" gives a positive weight
                      ReplyCase{"-       -5 g\r", false, 5.0, "       -5"},
                      ReplyCase{"+    1e999 g\r", true, 0, "    1e999"},
                      ReplyCase{"+\xb4\xfe\xdb\xf6\x80\x90\xa6\xfe\x92\r", true, 0,
                                "\xb4\xfe\xdb\xf6\x80\x90\xa6\xfe\x92"}));

} // namespace
