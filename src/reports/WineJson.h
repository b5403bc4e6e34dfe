#pragma once

#include "document/WineRec.h"

#include <string>

namespace zephra {

// A wine as JSON (UTF-8, keys in a fixed order, two-space indent): its
// conditions with the full names, the comments and the time the trial
// started from its notes, the counted data points with their table cells
// and every stored result, then the fouling analysis as `zephra-cli analyze
// --json` gives it. Texts that are numbers are JSON numbers, other texts
// strings, blank fields and absent notes null. The values are the record's
// own, in its units, whatever units the program shows: each key's name ends
// in its unit (lab_pressure_psi, expected_volume_gal), and the rate's unit
// ("bpm" or "gpm") is rate_units. docs/schema/export.schema.json describes
// the keys.
std::string WineJsonText(const TWineRec& rec, const WineNotes& notes = {});

} // namespace zephra
