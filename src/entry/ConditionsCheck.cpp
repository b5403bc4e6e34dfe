#include "entry/ConditionsCheck.h"

#include "document/TextCatalog.h"
#include "document/WineTrailer.h"
#include "entry/ConditionsRecord.h"
#include "entry/ControlCharacters.h"
#include "entry/DecimalCommaHint.h"
#include "entry/EntryFormat.h"

namespace zephra {

namespace {

struct NumericRule {
    ConditionsField Field;
    std::string ConditionsForm::*Text;
    double Lo;
    double Hi;
    int Width;
    int Decimals;
    const char* Message;
};

const NumericRule NumericRules[] = {
    {ConditionsField::LabPressure, &ConditionsForm::LabPressure, 0.1, 1000, 4, 1,
     ShownText("ConditionsCheck",
               "Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1.")},
    {ConditionsField::FilterDiameter, &ConditionsForm::FilterDiameter, 1, 1000, 4, 1,
     ShownText(
         "ConditionsCheck",
         "Laboratory Filter Diameter is out of Range. Please enter a value between 1000 and 1.")},
    {ConditionsField::MaxPressure, &ConditionsForm::MaxPressure, 1, 1000, 4, 0,
     ShownText(
         "ConditionsCheck",
         "Maximum Full-Scale Pressure is out of Range. Please enter a value between 1000 and 1.")},
    {ConditionsField::Area, &ConditionsForm::Area, 0.2, 1000, 4, 2,
     ShownText("ConditionsCheck",
               "Full-Scale Area is out of Range. Please enter a value between 1000 and 0.2.")},
    {ConditionsField::Rate, &ConditionsForm::Rate, 0.1, 1999, 4, 1,
     ShownText("ConditionsCheck",
               "Full-Scale Rate is out of Range. Please enter a value between 1999 and 0.1.")},
};

// The text box among the names and the comments that holds the most.
ConditionsField LongestText(const ConditionsForm& form) {
    if (form.WineName.size() >= form.FilterName.size() &&
        form.WineName.size() >= form.Comments.size()) {
        return ConditionsField::WineName;
    }
    return form.FilterName.size() >= form.Comments.size() ? ConditionsField::FilterName
                                                          : ConditionsField::Comments;
}

} // namespace

std::optional<ConditionsCheckFailure> ConditionsRangeCheck(ConditionsForm& form) {
    if (form.WineName.empty()) {
        return ConditionsCheckFailure{
            ConditionsField::WineName,
            CoreText("ConditionsCheck",
                     "Wine Name field is blank; please enter a name for this wine.")};
    }
    if (HoldsControlCharacter(form.WineName)) {
        return ConditionsCheckFailure{ConditionsField::WineName,
                                      CoreText("ConditionsCheck",
                                               "Wine Name field holds a control character (such as "
                                               "a tab or a line break); please remove it.")};
    }
    if (form.FilterName.empty()) {
        return ConditionsCheckFailure{
            ConditionsField::FilterName,
            CoreText("ConditionsCheck",
                     "Filter Name field is blank; please enter a name for this filter.")};
    }
    if (HoldsControlCharacter(form.FilterName)) {
        return ConditionsCheckFailure{ConditionsField::FilterName,
                                      CoreText("ConditionsCheck",
                                               "Filter Name field holds a control character (such "
                                               "as a tab or a line break); please remove it.")};
    }
    for (const NumericRule& rule : NumericRules) {
        bool error = false;
        double value = 0.0;
        Format(form.*rule.Text, error, value, rule.Hi, rule.Lo, rule.Width, rule.Decimals);
        if (error) {
            return ConditionsCheckFailure{
                rule.Field,
                WithDecimalCommaHint(CoreText("ConditionsCheck", rule.Message), form.*rule.Text)};
        }
    }
    if (const std::size_t over = TrailerOverrun(FormNotes(form))) {
        return ConditionsCheckFailure{
            LongestText(form),
            FilledIn(CoreText("ConditionsCheck",
                              "Wine Name, Filter Name and Comments are too long to be kept in "
                              "the wine file. Please shorten them by %1 characters."),
                     {std::to_string(over)})};
    }
    return std::nullopt;
}

StoredFormat StoredFormatOf(ConditionsField field) {
    for (const NumericRule& rule : NumericRules) {
        if (rule.Field == field) {
            return {rule.Lo, rule.Hi, rule.Width, rule.Decimals};
        }
    }
    return {};
}

} // namespace zephra
