#pragma once

#include "document/MessageBoxes.h"
#include "document/WineRec.h"

namespace zephra {

// Rebuilds every result field of the record from its conditions and raw
// data points. With ShowDialogs each problem found is shown as a warning box
// through `boxes`; without, nothing is shown and the record ends the same.
// The report refresh that follows is the caller's (it owns the window).
void Calculate(TWineRec& rec, bool ShowDialogs, MessageBoxes& boxes);

} // namespace zephra
