#pragma once

// The record's quantities that carry a unit, as shown in the chosen units:
// the report panels' conditions, face velocities and estimates, and single
// volumes. In US units they are the record's own texts; in metric units
// each is converted from the record's text (UnitSystem.h).

#include "document/Report.h"
#include "document/WineRec.h"
#include "entry/UnitSystem.h"

#include <optional>
#include <string>
#include <string_view>

namespace zephra {

// The laboratory results the record keeps rounded (LabEquivVol, LabFaceVel)
// before rounding, in exact units, as the calculation finds them from the
// data points (LabResultsOf, analysis/Calculate.h).
struct LabResults {
    double EquivalentVolumeL = 0;   // litres
    double FaceVelocityLPerM2H = 0; // L/(m²·h)
};

// The record's rounded derived results in the units shown, before rounding.
struct ExactResults {
    std::optional<double> LabEquivalentVolume, LabFaceVelocity, ProdFaceVelocity;
};

// In metric units, each of the record's derived results that holds a number
// computed from its inputs rather than converted from its rounded text: the
// laboratory ones from `lab` when given, the production face velocity from
// the stored rate and area. Nothing in US units, where the texts are shown
// as stored, nor where the record holds no number (blank, ">10K").
ExactResults ExactResultsOf(const TWineRec& rec, const DisplayUnits& units,
                            const std::optional<LabResults>& lab);

// The report panels' quantities in `units`. In metric units: the pressures
// in bar and a gpm rate in units.Flow as the conditions dialog shows them
// (ShownConditions.h), the equivalent volume in hL and the face velocities
// in L/(m²·h) (from ExactResultsOf where it gives them, converted from the
// stored text otherwise), each in the width of its stored text where the
// value fits ("1.93", " 568"), and the estimates as ShownEstimate gives
// them. In US units the record's texts, but for the estimates as
// ShownEstimate gives them (the record's own texts while no number marks are
// set).
ReportQuantities ShownQuantities(const TWineRec& rec, const DisplayUnits& units,
                                 const std::optional<LabResults>& lab = std::nullopt);

// A full-scale estimate as stored (US gallons grouped in thousands, or a
// text such as "  0" or "over 1,000,000,000,000"; Windows-1252) in `units`,
// as UTF-8: in metric units a number becomes hectolitres (one decimal below
// 100, whole from there on, grouped by the separator the stored text uses),
// "over N" becomes "over" N converted; other texts stay as they are. With
// number marks in use (NumberMarks.h) the numbers, gallons too, are written
// in those marks instead.
std::string ShownEstimate(std::string_view stored, const DisplayUnits& units);

// A volume in US gallons as a number in `units`: whole gallons, or in
// metric units hectolitres with one decimal below 100 and whole from there
// on; in the number marks in use (NumberMarks.h), without them not grouped.
std::string ShownVolume(double gallons, const DisplayUnits& units);

} // namespace zephra
