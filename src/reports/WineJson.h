#pragma once

#include "document/WineRec.h"

#include <string>

namespace zephra {

// A wine as JSON (UTF-8, keys in a fixed order, two-space indent): its
// conditions, the counted data points with their table cells and every
// stored result, then the fouling analysis as `zephra-cli analyze --json`
// gives it. Texts that are numbers are JSON numbers, other texts
// strings, blank fields null. The keys are described in the README.
std::string WineJsonText(const TWineRec& rec);

} // namespace zephra
