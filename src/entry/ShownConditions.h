#pragma once

// The filtration conditions as the dialog shows them in the chosen units.
// A form "shown" in metric units holds the pressures in bar and a rate that
// the record keeps in gpm in L/h or hL/h (RateUnits 2 or 3); bpm, the filter
// diameter and the area are the same in both systems. The record's form
// ("stored", psi and gpm) is what ConditionsRecord.h takes. In US units the
// two forms are the same.

#include "entry/ConditionsCheck.h"
#include "entry/DecimalMark.h"
#include "entry/UnitSystem.h"

#include <optional>
#include <string_view>

namespace zephra {

// The rate units of a shown form besides bpm (0) and gpm (1).
inline constexpr int RateLitresPerHour = 2;
inline constexpr int RateHectolitresPerHour = 3;

// "bpm", "gpm", "L/h" or "hL/h".
std::string_view RateUnitName(int rateUnits);
// The rate units named so; L/h and hL/h only when `metric`.
std::optional<int> RateUnitsNamed(std::string_view name, bool metric);

// The metric flow unit of a shown rate in L/h or hL/h.
std::optional<MetricFlowUnit> ShownFlowUnit(const ConditionsForm& shown);

// A stored form as shown in `units`: in metric units each pressure is the
// shortest number in bar that stores as its text (ShownEntryText), and a
// gpm rate the same in units.Flow; in US units the form itself.
ConditionsForm ShownConditionsForm(const ConditionsForm& stored, const DisplayUnits& units);

// The stored form of a shown form: each value typed in a shown unit that the
// field accepts in its stored form, L/h and hL/h stored as gpm; other texts
// as typed.
ConditionsForm StoredConditionsForm(const ConditionsForm& shown, const DisplayUnits& units);

// The OK check of a form shown in `units`: ConditionsRangeCheck on its
// stored form, so the fields are checked in the same order and stored in
// the same form, except that a value typed in bar, L/h or hL/h is reported
// with its range in that unit, the lower bound first, in the language of the
// text catalog. With DecimalMark::Comma a value typed with a decimal comma is
// read with a point, the range's bounds are written with a comma, and no
// message adds the decimal-comma hint. The numeric texts of `shown` that
// passed are rewritten as their stored values show (the failing one and
// those after it stay as typed). On success `stored` holds the form the
// record stores.
std::optional<ConditionsCheckFailure> ShownConditionsCheck(ConditionsForm& shown,
                                                           const DisplayUnits& units,
                                                           ConditionsForm& stored,
                                                           DecimalMark mark = DecimalMark::Point);

} // namespace zephra
