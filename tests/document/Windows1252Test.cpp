#include "document/Windows1252.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

TEST(Windows1252Test, ConvertsBothWays) {
    struct Case {
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {"Merlot 2024", "Merlot 2024"},
        {"Ros\xE9", "Ros\xC3\xA9"},               // é
        {"\x80", "\xE2\x82\xAC"},                 // euro sign
        {"\x96\x97", "\xE2\x80\x93\xE2\x80\x94"}, // en and em dash
        {"\x9F", "\xC5\xB8"},                     // Y with diaeresis
        {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
        {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"}, // undefined bytes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Win1252ToUtf8(c.bytes), c.utf8);
        EXPECT_EQ(Utf8ToWin1252(c.utf8), c.bytes);
    }
}

TEST(Windows1252Test, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(Utf8ToWin1252(Win1252ToUtf8(all)), all);
}

TEST(Windows1252Test, WhatItCannotHoldBecomesQuestionMarks) {
    struct Case {
        std::string utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"\xE6\x97\xA5\xE6\x9C\xAC", "??"}, // two CJK characters
        {"a\xF0\x9F\x8D\xB7z", "a?z"},      // wine glass emoji
        {"\xC2\x80", "?"},                  // U+0080 has no byte
        {"x\xFFy", "x?y"},                  // invalid byte
        {"\xC3", "?"},                      // truncated sequence
        {"\xC3(", "?("},                    // broken sequence
        {"\xC0\xAF", "??"},                 // overlong
        {"\xED\xA0\x80", "???"},            // surrogate
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(Utf8ToWin1252(c.utf8), c.bytes);
    }
}

} // namespace
} // namespace zephra
