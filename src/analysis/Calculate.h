#pragma once

#include "document/MessageBoxes.h"
#include "document/WineRec.h"

#include <string_view>

namespace zephra {

// Rebuilds every result field of the record from its conditions and raw
// data points. With ShowDialogs each problem found is shown as a warning box
// through `boxes`; without, nothing is shown and the record ends the same.
// The report refresh that follows is the caller's (it owns the window).
// Expected volumes are grouped in thousands with the separator of the C
// library's current numeric locale (LocaleThousandsSeparator).
void Calculate(TWineRec& rec, bool ShowDialogs, MessageBoxes& boxes);

// The same with the thousands separator given (one Windows-1252 character).
void Calculate(TWineRec& rec, bool ShowDialogs, MessageBoxes& boxes,
               std::string_view thousandsSeparator);

} // namespace zephra
