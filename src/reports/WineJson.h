#pragma once

#include "document/WineRec.h"
#include "entry/UnitSystem.h"

#include <string>

namespace zephra {

// A wine as JSON (UTF-8, keys in a fixed order, two-space indent): its
// conditions with the full names, the comments and the time the trial
// started from its notes, the counted data points with their table cells
// and every stored result, then the fouling analysis as `zephra-cli analyze
// --json` gives it. Texts that are numbers are JSON numbers, other texts
// strings, blank fields and absent notes null. The keys are described in
// the README; their names end in the unit of their values
// (lab_pressure_psi, expected_volume_gal), which in metric `units` are bar,
// hL and L/(m²·h) (lab_pressure_bar, expected_volume_hL,
// lab_face_velocity_L_per_m2_h), with rate_units "L/h" or "hL/h" for a rate
// the record keeps in gpm.
std::string WineJsonText(const TWineRec& rec, const WineNotes& notes = {},
                         const DisplayUnits& units = UsUnits);

} // namespace zephra
