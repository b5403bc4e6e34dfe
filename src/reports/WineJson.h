#pragma once

#include "document/WineRec.h"

#include <string>

namespace zephra {

// A wine as JSON (UTF-8, keys in a fixed order, two-space indent): its
// conditions with the full names, the comments and the time the trial
// started from its notes, the counted data points with their table cells
// and every stored result, then the fouling analysis as `zephra-cli analyze
// --json` gives it. Texts that are numbers are JSON numbers, other texts
// strings, blank fields and absent notes null. The keys are described in
// the README.
std::string WineJsonText(const TWineRec& rec, const WineNotes& notes = {});

} // namespace zephra
