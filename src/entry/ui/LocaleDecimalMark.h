#pragma once

#include "entry/DecimalMark.h"

#include <QString>

#include <string>

namespace zephra {

// How the user's locale (Qt's default locale) writes decimals.
DecimalMark LocaleDecimalMark();

// A number as the program stores it ("30.0") as an entry box shows it: with
// the decimal mark of the shown numbers (ShownEntryNumber). Other texts stay
// as they are.
QString EntryBoxText(const std::string& number);

// What an entry box holds as the entry grammar reads it: a decimal comma
// typed or shown where the locale writes one becomes the point
// (WithDecimalPoint).
std::string EntryBoxNumber(const QString& text, DecimalMark mark);

} // namespace zephra
