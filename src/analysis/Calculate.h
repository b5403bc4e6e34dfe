#pragma once

#include "document/MessageBoxes.h"
#include "document/WineRec.h"
#include "entry/ShownQuantities.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

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

// The points of a wine as the calculation sees them: every counted point
// (from row 1 on, up to where the data end), in row order, and which of them
// the fits use, after the skipped leading points.
struct FiltrationPoints {
    double LabArea = 0;          // laboratory filter area, m²
    std::vector<double> Volume;  // cumulative volume, ml
    std::vector<double> Time;    // elapsed time, s
    std::size_t FirstFitted = 0; // index of the first point the fits use
    std::size_t MinSkip = 0;     // leading points the user asked to skip
};

// The points the calculation of `rec` would count and fit, without changing
// the record or showing anything. Nothing when the calculation stops before
// its fits for a reason other than too few points: unusable conditions, a
// non-positive interval, values out of range.
std::optional<FiltrationPoints> FittedPointsOf(const TWineRec& rec);

// The laboratory equivalent volume and face velocity of `rec` before the
// record rounds them into LabEquivVol and LabFaceVel, from the same points,
// in exact units. Nothing where the calculation writes no numbers there.
std::optional<LabResults> LabResultsOf(const TWineRec& rec);

} // namespace zephra
