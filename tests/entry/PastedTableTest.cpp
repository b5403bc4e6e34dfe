#include "entry/PastedTable.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

std::vector<PastedReading> Readings(std::string_view text) {
    auto result = ReadPastedTable(text);
    EXPECT_TRUE(std::holds_alternative<std::vector<PastedReading>>(result)) << text;
    return std::holds_alternative<std::vector<PastedReading>>(result)
               ? std::get<std::vector<PastedReading>>(result)
               : std::vector<PastedReading>{};
}

TEST(PastedTableTest, EveryLayoutOfALineGivesTheSameReading) {
    const char* const layouts[] = {
        "12.5\t1\t30",    // spreadsheet cells
        "12.5 \t 1\t30 ", // cells with blanks around their values
        "12.5,1,30",      // comma-separated
        "12.5; 1; 30",    // semicolons with blanks
        "  12.5   1  30", // aligned with blanks
        "12.5\t1:30",     // minutes:seconds
        "12.5, 1:30",
    };
    for (const char* line : layouts) {
        const std::vector<PastedReading> readings = Readings(line);
        ASSERT_EQ(readings.size(), 1u) << line;
        EXPECT_EQ(readings[0].Volume, "12.5") << line;
        EXPECT_EQ(readings[0].Minutes, "1") << line;
        EXPECT_EQ(readings[0].Seconds, "30") << line;
        EXPECT_EQ(readings[0].Line, 1) << line;
    }
}

TEST(PastedTableTest, LinesEndInAnyConventionAndBlankLinesAreSkipped) {
    const std::vector<PastedReading> readings =
        Readings("10\t0\t15\r\n20\t0\t30\r\n\r\n31.5\t0:45\r40 1 0\n\n");
    ASSERT_EQ(readings.size(), 4u);
    EXPECT_EQ(readings[0].Volume, "10");
    EXPECT_EQ(readings[2].Volume, "31.5");
    EXPECT_EQ(readings[2].Seconds, "45");
    EXPECT_EQ(readings[2].Line, 4);
    EXPECT_EQ(readings[3].Minutes, "1");
    EXPECT_EQ(readings[3].Line, 5);
}

TEST(PastedTableTest, FirstUnreadableLineIsNamed) {
    struct Case {
        const char* text;
        int line;
        const char* lineText;
    };
    const Case cases[] = {
        {"10\t0\t15\nVolume\tMin\tSec\n", 2, "Volume\tMin\tSec"}, // a header below the top
        {"Volume\tMin\tSec\n\n", 1, "Volume\tMin\tSec"},          // and nothing under it
        {"10\t0\t15\n20\t0\n", 2, "20\t0"},                       // no seconds
        {"10\t0\t15\n20\t0\t30\t7\n", 2, "20\t0\t30\t7"},         // a fourth field
        {"10 0 15\n20 0 x\n30 1 0\n", 2, "20 0 x"},
        {"10 0 15\n20 :30\n", 2, "20 :30"},
        {"10 0 15\n\n20 1:3o\n", 3, "20 1:3o"},
        {"12,5 1 30\n", 1, "12,5 1 30"}, // the comma splits: four fields
        // Where a line holds tabs, only tabs separate its cells.
        {"250\t2,5\n", 1, "250\t2,5"}, // a decimal comma is no separator there
        {"10\t0\t15\n250\t1 30\n", 2, "250\t1 30"},
        {"10\t0\t15\n250\t\t30\n", 2, "250\t\t30"}, // an empty cell
        {"250\t2,5\t0\n", 1, "250\t2,5\t0"},
    };
    for (const Case& c : cases) {
        const auto result = ReadPastedTable(c.text);
        ASSERT_TRUE(std::holds_alternative<PasteFailure>(result)) << c.text;
        const PasteFailure failure = std::get<PasteFailure>(result);
        EXPECT_EQ(failure.Line, c.line) << c.text;
        EXPECT_EQ(failure.Text, c.lineText) << c.text;
    }
}

TEST(PastedTableTest, HeaderLineAtTheTopIsSkipped) {
    for (const char* header : {"Volume (ml)\tmin\tsec", "volume_ml,minutes,seconds", "V; t"}) {
        const std::string text = std::string(header) + "\n\n10\t0\t15\n20\t0:30\n";
        const std::vector<PastedReading> readings = Readings(text);
        ASSERT_EQ(readings.size(), 2u) << header;
        EXPECT_EQ(readings[0].Line, 3) << header;
        EXPECT_EQ(readings[1].Seconds, "30") << header;
    }
}

TEST(PastedTableTest, WhereDecimalsTakeACommaACommaNeverSeparates) {
    const auto result =
        ReadPastedTable("Volume\tMinutes\tSeconds\n302,1\t8\t30\n12,5;1;0\n40,25 2:05\n"
                        "50 3 0\n",
                        DecimalMark::Comma);
    ASSERT_TRUE(std::holds_alternative<std::vector<PastedReading>>(result));
    const auto& readings = std::get<std::vector<PastedReading>>(result);
    ASSERT_EQ(readings.size(), 4u);
    EXPECT_EQ(readings[0].Volume, "302.1");
    EXPECT_EQ(readings[0].Minutes, "8");
    EXPECT_EQ(readings[0].Seconds, "30");
    EXPECT_EQ(readings[1].Volume, "12.5");
    EXPECT_EQ(readings[2].Volume, "40.25");
    EXPECT_EQ(readings[2].Seconds, "05");
    EXPECT_EQ(readings[3].Volume, "50");

    for (const char* line : {"12,5,1,30", "12.5,1,30"}) {
        const auto refused = ReadPastedTable(line, DecimalMark::Comma);
        ASSERT_TRUE(std::holds_alternative<PasteFailure>(refused)) << line;
        EXPECT_EQ(std::get<PasteFailure>(refused).Line, 1) << line;
    }
}

TEST(PastedTableTest, MessagesNameTheLine) {
    EXPECT_EQ(PasteFailureMessage({3, "Volume\tMin\tSec", ""}),
              "Nothing was pasted: line 3 (\"Volume Min Sec\") is not a volume and a time. Each "
              "line needs a volume and a time as \"volume, minutes, seconds\" or \"volume, "
              "m:ss\".");
    EXPECT_EQ(PasteTooWideMessage(2, "1234.56"),
              "Nothing was pasted: \"1234.56\" on line 2 is longer than its box takes.");
    EXPECT_EQ(PasteTooLongMessage(30, 8, 36),
              "Nothing was pasted: 8 readings from row 30 on do not fit in the 36 rows.");
}

TEST(PastedTableTest, ACellWithADecimalCommaGetsTheHint) {
    const auto result = ReadPastedTable("10\t0,25\t15\n");
    ASSERT_TRUE(std::holds_alternative<PasteFailure>(result));
    EXPECT_EQ(PasteFailureMessage(std::get<PasteFailure>(result)),
              "Nothing was pasted: line 1 (\"10 0,25 15\") is not a volume and a time. Each "
              "line needs a volume and a time as \"volume, minutes, seconds\" or \"volume, "
              "m:ss\". Use a point (.) as the decimal separator.");
}

TEST(PastedTableTest, OnlyTextWithALineBreakIsATable) {
    EXPECT_FALSE(HoldsLineBreak("12.5\t1\t30"));
    EXPECT_TRUE(HoldsLineBreak("12.5\t1\t30\n"));
    EXPECT_TRUE(HoldsLineBreak("1\r2"));
}

} // namespace
} // namespace zephra
