#include "reports/Csv.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvTest, QuotesOnlyTheFieldsThatNeedIt) {
    EXPECT_EQ(CsvRecord({"1", "Chardonnay 2024", ""}), "1,Chardonnay 2024,\r\n");
    EXPECT_EQ(CsvRecord({"a,b", "say \"hi\"", "two\nlines", "cr\r"}),
              "\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\"\r\n");
}

// A text cell that a spreadsheet would take for a formula starts with a
// single quote; numbers stay numbers. Control characters are quoted.
TEST(CsvTest, TextASpreadsheetWouldTakeForAFormulaStartsWithAQuote) {
    struct Case {
        std::string field;
        std::string written;
    };
    const Case cases[] = {
        {"=cmd|'/Ccalc'!A1", "'=cmd|'/Ccalc'!A1"},
        {"+cmd", "'+cmd"},
        {"-x", "'-x"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"\tname", "\"'\tname\""},
        {"\rname", "\"'\rname\""},
        {"=1,2", "\"'=1,2\""},
        {"-", "'-"},
        {"-1.5x", "'-1.5x"},
        {"+-1", "'+-1"},
        {"-1.5", "-1.5"},
        {"+3", "+3"},
        {"-.5", "-.5"},
        {"-2.5E-3", "-2.5E-3"},
        {"a=b", "a=b"},
        {"Red\x1B[2J", "\"Red\x1B[2J\""},
        {"Pad\x7F", "\"Pad\x7F\""},
        {"Ros\xC3\xA9\xC2\x9D", "\"Ros\xC3\xA9\xC2\x9D\""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CsvRecord({c.field}), c.written + "\r\n") << c.field;
    }
}

TEST(CsvTest, ReadsBackWhatItWrites) {
    const std::vector<Fields> records = {
        {"row", "volume_ml"}, {"Ros\xC3\xA9, \"sec\"", "two\r\nlines"}, {"", ""}, {"x"}};
    std::string text;
    for (const Fields& r : records) {
        text += CsvRecord(r);
    }
    const CsvReadResult read = ReadCsv(text);
    ASSERT_FALSE(read.Error);
    ASSERT_EQ(read.Rows.size(), records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_EQ(read.Rows[i].Fields, records[i]) << i;
    }
    EXPECT_EQ(read.Rows[2].Line, 4) << "the quoted line break counts as a line";
}

TEST(CsvTest, ReadsLineEndingsAndEmptyLines) {
    const CsvReadResult read = ReadCsv("a,b\n\nc\r\nd,");
    ASSERT_FALSE(read.Error);
    ASSERT_EQ(read.Rows.size(), 4u);
    EXPECT_EQ(read.Rows[0].Fields, (Fields{"a", "b"}));
    EXPECT_EQ(read.Rows[1].Fields, (Fields{""}));
    EXPECT_EQ(read.Rows[2].Fields, (Fields{"c"}));
    EXPECT_EQ(read.Rows[3].Fields, (Fields{"d", ""}));
    EXPECT_EQ(read.Rows[3].Line, 4);
}

TEST(CsvTest, ReportsMalformedQuotesWithTheirLine) {
    struct Case {
        const char* text;
        int line;
    };
    for (const Case& c : {Case{"a\n\"open,b\nc", 2}, Case{"a\nb\n\"x\"y,z", 3}}) {
        const CsvReadResult read = ReadCsv(c.text);
        ASSERT_TRUE(read.Error) << c.text;
        EXPECT_EQ(read.ErrorLine, c.line) << c.text;
    }
}

} // namespace
} // namespace zephra
