#include "entry/ConditionsCheck.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

ConditionsForm Filled() {
    ConditionsForm form;
    form.WineName = "Chardonnay";
    form.FilterName = "Pad K200";
    form.LabPressure = "5";
    form.FilterDiameter = "47";
    form.MaxPressure = "12.5";
    form.Area = "1.5";
    form.Rate = "100";
    return form;
}

TEST(ConditionsCheckTest, AcceptedFormHoldsTheStoredTexts) {
    ConditionsForm form = Filled();
    form.WineName = "   ";                           // blanks count as a name
    form.FilterName = "Pad \xE2\x82\xAC 5 \xC3\xA9"; // printable UTF-8 is no control
    EXPECT_FALSE(ConditionsRangeCheck(form).has_value());
    EXPECT_EQ(form.WineName, "   ");
    EXPECT_EQ(form.FilterName, "Pad \xE2\x82\xAC 5 \xC3\xA9");
    EXPECT_EQ(form.LabPressure, " 5.0");
    EXPECT_EQ(form.FilterDiameter, "47.0");
    EXPECT_EQ(form.MaxPressure, "  13");
    EXPECT_EQ(form.Area, "1.50");
    EXPECT_EQ(form.Rate, " 100");
}

TEST(ConditionsCheckTest, FirstFailingFieldGivesItsMessage) {
    struct Case {
        std::string ConditionsForm::*field;
        const char* typed;
        ConditionsField failed;
        const char* message;
    };
    const Case cases[] = {
        {&ConditionsForm::WineName, "", ConditionsField::WineName,
         "Wine Name field is blank; please enter a name for this wine."},
        {&ConditionsForm::WineName, "Red\x1B[2J", ConditionsField::WineName,
         "Wine Name field holds a control character (such as a tab or a line break); please "
         "remove it."},
        {&ConditionsForm::WineName, "Ros\xC3\xA9\xC2\x9D", ConditionsField::WineName,
         "Wine Name field holds a control character (such as a tab or a line break); please "
         "remove it."},
        {&ConditionsForm::FilterName, "", ConditionsField::FilterName,
         "Filter Name field is blank; please enter a name for this filter."},
        {&ConditionsForm::FilterName, "Pad\tK200", ConditionsField::FilterName,
         "Filter Name field holds a control character (such as a tab or a line break); please "
         "remove it."},
        {&ConditionsForm::FilterName, "Pad\x7F", ConditionsField::FilterName,
         "Filter Name field holds a control character (such as a tab or a line break); please "
         "remove it."},
        {&ConditionsForm::LabPressure, "0.05", ConditionsField::LabPressure,
         "Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1."},
        {&ConditionsForm::LabPressure, "abc", ConditionsField::LabPressure,
         "Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1."},
        {&ConditionsForm::FilterDiameter, "0.5", ConditionsField::FilterDiameter,
         "Laboratory Filter Diameter is out of Range. Please enter a value between 1000 and 1."},
        {&ConditionsForm::MaxPressure, "", ConditionsField::MaxPressure,
         "Maximum Full-Scale Pressure is out of Range. Please enter a value between 1000 and 1."},
        {&ConditionsForm::Area, "0.1", ConditionsField::Area,
         "Full-Scale Area is out of Range. Please enter a value between 1000 and 0.2."},
        {&ConditionsForm::Rate, "2000", ConditionsField::Rate,
         "Full-Scale Rate is out of Range. Please enter a value between 1999 and 0.1."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        ConditionsForm form = Filled();
        form.*c.field = c.typed;
        const auto failure = ConditionsRangeCheck(form);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->Field, c.failed);
        EXPECT_EQ(failure->Message, c.message);
        EXPECT_EQ(form.*c.field, c.typed) << "the failing box keeps what was typed";
    }
}

TEST(ConditionsCheckTest, FieldsBeforeTheFailureAreRewrittenAndLaterOnesUntouched) {
    ConditionsForm form = Filled();
    form.MaxPressure = "1001";
    ASSERT_TRUE(ConditionsRangeCheck(form).has_value());
    EXPECT_EQ(form.LabPressure, " 5.0");
    EXPECT_EQ(form.FilterDiameter, "47.0");
    EXPECT_EQ(form.MaxPressure, "1001");
    EXPECT_EQ(form.Area, "1.5");
    EXPECT_EQ(form.Rate, "100");
}

TEST(ConditionsCheckTest, UntouchedDialogFailsOnTheWineName) {
    ConditionsForm form;
    const auto failure = ConditionsRangeCheck(form);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Field, ConditionsField::WineName);

    form.WineName = "a";
    form.FilterName = "b";
    EXPECT_EQ(ConditionsRangeCheck(form)->Field, ConditionsField::LabPressure);
}

TEST(ConditionsCheckTest, RangeLimitsAreInclusive) {
    ConditionsForm form = Filled();
    form.LabPressure = "0.1";
    form.FilterDiameter = "1000";
    form.MaxPressure = "1";
    form.Area = "0.2";
    form.Rate = "1999";
    EXPECT_FALSE(ConditionsRangeCheck(form).has_value());
    EXPECT_EQ(form.LabPressure, " 0.1");
    EXPECT_EQ(form.FilterDiameter, "1000");
    EXPECT_EQ(form.MaxPressure, "   1");
    EXPECT_EQ(form.Area, "0.20");
    EXPECT_EQ(form.Rate, "1999");
}

TEST(ConditionsCheckTest, DecimalCommaGetsTheHint) {
    ConditionsForm form = Filled();
    form.Area = "1,5";
    const auto failure = ConditionsRangeCheck(form);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->Field, ConditionsField::Area);
    EXPECT_EQ(failure->Message,
              "Full-Scale Area is out of Range. Please enter a value between 1000 and 0.2. Use a "
              "point (.) as the decimal separator.");
    EXPECT_EQ(form.Area, "1,5") << "the failing text stays as typed";

    form.Area = "x";
    EXPECT_EQ(ConditionsRangeCheck(form)->Message,
              "Full-Scale Area is out of Range. Please enter a value between 1000 and 0.2.");
}

// The names and comments go into the notes after the wine record; what
// would not fit the file is refused last, at the box holding the most.
TEST(ConditionsCheckTest, NamesAndCommentsThatWouldNotFitTheFileAreRefusedLast) {
    struct Case {
        std::size_t wine, filter, comments;
        ConditionsField failed;
    };
    const Case cases[] = {{1200, 100, 1000, ConditionsField::WineName},
                          {100, 1200, 1000, ConditionsField::FilterName},
                          {100, 100, 2100, ConditionsField::Comments}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.comments);
        ConditionsForm form = Filled();
        form.WineName = std::string(c.wine, 'w');
        form.FilterName = std::string(c.filter, 'f');
        form.Comments = std::string(c.comments, 'c');
        const auto failure = ConditionsRangeCheck(form);
        ASSERT_TRUE(failure.has_value());
        EXPECT_EQ(failure->Field, c.failed);
        EXPECT_TRUE(failure->Message.starts_with(
            "Wine Name, Filter Name and Comments are too long to be kept in the wine file. "
            "Please shorten them by "))
            << failure->Message;
        EXPECT_EQ(form.LabPressure, " 5.0") << "the numbers were checked first";
    }

    // Up to the last character that fits.
    ConditionsForm form = Filled();
    form.Comments = std::string(2200, 'c');
    const auto failure = ConditionsRangeCheck(form);
    ASSERT_TRUE(failure.has_value());
    const std::size_t over = std::stoul(failure->Message.substr(failure->Message.rfind("by ") + 3));
    form.Comments.resize(form.Comments.size() - over);
    EXPECT_FALSE(ConditionsRangeCheck(form).has_value());
    EXPECT_EQ(failure->Message.substr(failure->Message.rfind("by ")),
              "by " + std::to_string(over) + " characters.");
}

} // namespace
} // namespace zephra
