#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zephra {

// The strict entry grammar: leading blanks, optional sign, digits with an
// optional "." and digits (either run may be empty, so "." is 0), optional
// exponent ("E"/"e", optional sign, at least one digit), nothing after.
// Empty text, blanks only or a lone sign are not numbers. Locale-independent;
// the value is the decimal value correctly rounded to double.
std::optional<double> ParseEntryNumber(std::string_view text);

// Reads a stored record text as a number: the longest prefix that follows
// the grammar above is read; an empty, blank or unreadable text reads as 0.
double ReadStoredNumber(std::string_view text);

// A value as a message names it: up to ten significant digits, "." as the
// decimal point, no grouping ("212.4", "-5", "1e+50", "inf").
std::string MessageNumberText(double value);

} // namespace zephra
