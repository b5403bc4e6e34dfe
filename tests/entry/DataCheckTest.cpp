#include "entry/DataCheck.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zephra {
namespace {

TEST(DataCheckTest, AcceptedBoxesTakeTheirStoredForm) {
    DataForm form;
    form.Volume[0] = "12.5";
    form.Volume[1] = "100000";
    form.Volume[2] = "12345.6";
    form.Volume[3] = "   ";
    form.Minutes[0] = "2.5";
    form.Minutes[1] = "0";
    form.Minutes[3] = " ";
    form.Seconds[0] = "5";
    form.Seconds[1] = "7.4";
    form.Seconds[2] = "  ";
    EXPECT_FALSE(DataRangeCheck(form).has_value());
    EXPECT_EQ(form.Volume[0], "  12.5");
    EXPECT_EQ(form.Volume[1], "100000");
    EXPECT_EQ(form.Volume[2], " 12345");
    EXPECT_EQ(form.Volume[3], "");
    EXPECT_EQ(form.Minutes[0], "  3");
    EXPECT_EQ(form.Minutes[1], "  0");
    EXPECT_EQ(form.Minutes[3], "");
    EXPECT_EQ(form.Seconds[0], "05");
    EXPECT_EQ(form.Seconds[1], "07");
    EXPECT_EQ(form.Seconds[2], "");
}

TEST(DataCheckTest, DecimalCommaWhereTheLocaleWritesOne) {
    DataForm form;
    form.Volume[0] = "302,1";
    form.Volume[1] = "0,05";
    form.Minutes[0] = "8";
    const auto failure = DataRangeCheck(form, DecimalMark::Comma);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Row, 2);
    EXPECT_EQ(form.Volume[0], " 302.1");
    EXPECT_EQ(form.Volume[1], "0,05") << "the failing box keeps what was typed";
    EXPECT_EQ(form.Minutes[0], "8") << "boxes after the failing one are untouched";
    const std::string message = DataCheckMessage(*failure, form, DecimalMark::Comma);
    EXPECT_EQ(message.find("decimal separator"), std::string::npos) << message;
    EXPECT_NE(DataCheckMessage(*failure, form).find("decimal separator"), std::string::npos);

    form.Volume[1] = "0,5";
    EXPECT_FALSE(DataRangeCheck(form, DecimalMark::Comma).has_value());
    EXPECT_EQ(form.Volume[1], "   0.5");
    form.Volume[2] = "1,5";
    EXPECT_TRUE(DataRangeCheck(form).has_value()) << "a point locale refuses the comma";
}

// A volume that reads as a number but lies outside what a data point
// takes is refused, in either decimal mark, with the data dialog's message.
TEST(DataCheckTest, VolumeOutsideItsRangeIsRefused) {
    struct Case {
        const char* typed;
        DecimalMark mark;
    };
    for (const Case& c : {
             Case{"2000050", DecimalMark::Point},
             Case{" 1e999", DecimalMark::Point},
             Case{"100000.1", DecimalMark::Point},
             Case{"-5", DecimalMark::Point},
             Case{"0,05", DecimalMark::Comma},
             Case{"abc", DecimalMark::Point},
         }) {
        SCOPED_TRACE(c.typed);
        DataForm form;
        form.Volume[3] = c.typed;
        const auto failure = DataRangeCheck(form, c.mark);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(DataCheckMessage(*failure, form, c.mark),
                  std::string("Row 4, volume: ") + DataEntryErrorMessage);
    }
}

TEST(DataCheckTest, StopsAtTheFirstBadBoxInCheckingOrder) {
    struct Case {
        const char* volume5;
        const char* minutes2;
        const char* seconds1;
        DataColumn column;
        int row;
    };
    const Case cases[] = {
        {"0.05", "1000", "60", DataColumn::Volume, 5},
        {"5", "1000", "60", DataColumn::Minutes, 2},
        {"5", "1", "60", DataColumn::Seconds, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        DataForm form;
        form.Volume[0] = "1";
        form.Volume[4] = c.volume5;
        form.Volume[5] = "2";
        form.Minutes[1] = c.minutes2;
        form.Minutes[2] = "4";
        form.Seconds[0] = c.seconds1;
        form.Seconds[1] = "9";
        const auto failure = DataRangeCheck(form);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->Column, c.column);
        EXPECT_EQ(failure->Row, c.row);
        // Before the failure: rewritten; the failing box and later: as typed.
        EXPECT_EQ(form.Volume[0], "   1.0");
        if (c.column == DataColumn::Volume) {
            EXPECT_EQ(form.Volume[4], c.volume5);
            EXPECT_EQ(form.Volume[5], "2");
            EXPECT_EQ(form.Minutes[2], "4");
        } else {
            EXPECT_EQ(form.Volume[5], "   2.0");
        }
        if (c.column == DataColumn::Seconds) {
            EXPECT_EQ(form.Minutes[2], "  4");
            EXPECT_EQ(form.Seconds[0], "60");
        }
        EXPECT_EQ(form.Seconds[1], "9");
    }
}

TEST(DataCheckTest, LoadAndStoreMoveTheTextsAndTheSkip) {
    TWineRec rec{};
    rec.Data.V[0].assign("  50.0");
    rec.Data.T[0].M.assign("  1");
    rec.Data.T[0].Sc.assign("30");
    rec.Data.MinSkip.set(5);
    DataForm form = LoadDataForm(rec);
    EXPECT_EQ(form.Volume[0], "  50.0");
    EXPECT_EQ(form.Minutes[0], "  1");
    EXPECT_EQ(form.Seconds[0], "30");
    EXPECT_EQ(form.Volume[1], "");
    EXPECT_EQ(form.Skip, 5);

    form.Volume[0] = "  75.0";
    form.Volume[35] = "1234567"; // stored as its first 6 characters
    form.Seconds[0] = "";
    form.Skip = 0;
    WineNotes notes;
    StoreDataForm(rec, form, notes);
    EXPECT_EQ(rec.Data.V[0].text(), "  75.0");
    EXPECT_EQ(rec.Data.V[35].text(), "123456");
    EXPECT_TRUE(rec.Data.T[0].Sc.empty());
    EXPECT_EQ(std::memcmp(rec.Data.T[0].Sc.chars, "30", 2), 0) << "bytes after the text stay";
    EXPECT_EQ(rec.Data.MinSkip.get(), 0);
}

TEST(DataCheckTest, SkipAboveTwelveSelectsNoButtonAndIsKept) {
    TWineRec rec{};
    rec.Data.MinSkip.set(13);
    DataForm form = LoadDataForm(rec);
    EXPECT_FALSE(form.Skip.has_value());
    WineNotes notes;
    StoreDataForm(rec, form, notes);
    EXPECT_EQ(rec.Data.MinSkip.get(), 13);
}

// A point changed by hand has no precise time: its row's reading time goes;
// the other rows keep theirs, also where the skip changes.
TEST(DataCheckTest, RowsChangedByHandLoseTheirReadingTimes) {
    TWineRec rec{};
    const char* volumes[] = {"  10.0", "  19.5", "  28.1", "  36.0"};
    const char* seconds[] = {"15", "30", "45", "00"};
    for (int i = 0; i < 4; ++i) {
        rec.Data.V[i].assign(volumes[i]);
        rec.Data.T[i].M.assign(i < 3 ? "  0" : "  1");
        rec.Data.T[i].Sc.assign(seconds[i]);
    }
    const std::vector<std::optional<int>> stamped = {151, 302, 449, 601};
    struct Case {
        const char* name;
        std::function<void(DataForm&)> edit;
        std::vector<std::optional<int>> kept;
    };
    const Case cases[] = {
        {"nothing changed, another skip", [](DataForm& f) { f.Skip = 2; }, stamped},
        {"a volume", [](DataForm& f) { f.Volume[1] = "  19.7"; }, {151, std::nullopt, 449, 601}},
        {"a time", [](DataForm& f) { f.Seconds[2] = "46"; }, {151, 302, std::nullopt, 601}},
        {"the last row cleared",
         [](DataForm& f) { f.Volume[3] = f.Minutes[3] = f.Seconds[3] = ""; },
         {151, 302, 449}},
        {"a row added", [](DataForm& f) { f.Volume[4] = "  44.0"; }, stamped},
        {"every row cleared",
         [](DataForm& f) {
             f.Volume.fill({});
             f.Minutes.fill({});
             f.Seconds.fill({});
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TWineRec edited = rec;
        WineNotes notes;
        notes.ReadingTimesDs = stamped;
        DataForm form = LoadDataForm(edited);
        c.edit(form);
        ASSERT_FALSE(DataRangeCheck(form));
        StoreDataForm(edited, form, notes);
        EXPECT_EQ(notes.ReadingTimesDs, c.kept);
    }
}

TEST(DataCheckTest, MessageNamesRowAndColumn) {
    struct Case {
        DataColumn column;
        int row;
        const char* text;
        const char* expected;
    };
    const std::string base = DataEntryErrorMessage;
    const Case cases[] = {
        {DataColumn::Volume, 5, "12,5",
         "Row 5, volume: There is an error in the data entry. Please correct it and retry, or "
         "cancel. (Volume increments must be greater than 0.1 ml.) Use a point (.) as the "
         "decimal separator."},
        {DataColumn::Minutes, 36, "1000", ""},
        {DataColumn::Seconds, 1, "6o", ""},
    };
    for (const Case& c : cases) {
        DataForm form;
        const int i = c.row - 1;
        (c.column == DataColumn::Volume    ? form.Volume[i]
         : c.column == DataColumn::Minutes ? form.Minutes[i]
                                           : form.Seconds[i]) = c.text;
        const auto failure = DataRangeCheck(form);
        ASSERT_TRUE(failure.has_value()) << c.text;
        EXPECT_EQ(failure->Row, c.row);
        const std::string message = DataCheckMessage(*failure, form);
        if (*c.expected != '\0') {
            EXPECT_EQ(message, c.expected);
        }
        const char* column = c.column == DataColumn::Volume    ? "volume"
                             : c.column == DataColumn::Minutes ? "minutes"
                                                               : "seconds";
        EXPECT_EQ(message.rfind("Row " + std::to_string(c.row) + ", " + column + ": " + base, 0),
                  0u)
            << message;
    }
}

} // namespace
} // namespace zephra
