#pragma once

// How the numbers a person reads are written: the decimal mark of the user's
// locale and a group mark that cannot be taken for it. The desktop sets the
// marks from its locale at start; the command-line tool sets none, so its
// texts, like every CSV and JSON output, keep the point and are not grouped.

#include <optional>
#include <string>
#include <string_view>

namespace zephra {

// U+202F NARROW NO-BREAK SPACE (UTF-8).
inline constexpr std::string_view NarrowNoBreakSpace = "\xE2\x80\xAF";

struct NumberMarks {
    std::string Decimal = "."; // UTF-8
    std::string Group;         // between groups of three digits; empty: no grouping
    bool operator==(const NumberMarks&) const = default;
};

// The marks for a locale that writes `decimal` as its decimal mark and
// groups digits with `group` (empty when it does not group): the decimal
// mark as it is; no grouping where the locale does not group; where it does,
// the narrow no-break space, except that a locale with the decimal point
// keeps its comma (neither can be taken for the other there).
NumberMarks LocaleNumberMarks(std::string_view decimal, std::string_view group);

// Makes `marks` the ones every shown number uses (nullopt: none, the texts
// stay as the program writes them for machines). Set them once at start,
// before any window is built.
void UseNumberMarks(std::optional<NumberMarks> marks);

// The marks in use, if any.
const std::optional<NumberMarks>& NumberMarksInUse();

// `number`, written as the program writes numbers for machines (an optional
// "-", digits, optionally "." and digits, optionally an exponent such as
// "e-06"; blanks around it are kept), with `marks`: the point becomes the
// decimal mark, and a whole part of more than three digits is grouped in
// threes by the group mark. Any other text comes back unchanged.
std::string InMarks(std::string_view number, const NumberMarks& marks);

// A number that InMarks wrote with `marks` back as the program writes it
// for machines ("1 234,5" → "1234.5"); any other text comes back unchanged.
std::string WithoutMarks(std::string_view shown, const NumberMarks& marks);

// InMarks with the marks in use; `number` unchanged when none are set.
std::string ShownNumber(std::string_view number);

// WithoutMarks with the marks in use; `shown` unchanged when none are set.
std::string MachineNumber(std::string_view shown);

// A number as an entry box shows it for editing: ShownNumber with the
// decimal mark in use but never grouped, so that the box reads it back.
std::string ShownEntryNumber(std::string_view number);

} // namespace zephra
