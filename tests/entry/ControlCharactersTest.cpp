#include "entry/ControlCharacters.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

TEST(ControlCharactersTest, EscapesDropsAndFindsEveryControlAndNothingElse) {
    struct Case {
        std::string_view text;
        bool holds;
        std::string_view visible;
        std::string_view dropped;
    };
    const Case cases[] = {
        {"Chardonnay 2024", false, "Chardonnay 2024", "Chardonnay 2024"},
        {"Red\x1B[2J", true, "Red\\x1B[2J", "Red[2J"},
        {"a\tb\nc\rd", true, "a\\x09b\\x0Ac\\x0Dd", "abcd"},
        {std::string_view("nul\0end", 7), true, "nul\\x00end", "nulend"},
        {"del\x7F", true, "del\\x7F", "del"},
        {"c1\xC2\x80-\xC2\x9D-\xC2\x9F", true, "c1\\u0080-\\u009D-\\u009F", "c1--"},
        // Printable characters next to the C1 range, and its lead byte alone.
        {"\xC2\xA0\xC3\xA9\xE2\x82\xAC\xD1\x9D", false, "\xC2\xA0\xC3\xA9\xE2\x82\xAC\xD1\x9D",
         "\xC2\xA0\xC3\xA9\xE2\x82\xAC\xD1\x9D"},
        {"end\xC2", false, "end\xC2", "end\xC2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.visible);
        EXPECT_EQ(HoldsControlCharacter(c.text), c.holds);
        EXPECT_EQ(VisibleControlCharacters(c.text), c.visible);
        EXPECT_EQ(WithoutControlCharacters(c.text), c.dropped);
    }
}

} // namespace
} // namespace zephra
