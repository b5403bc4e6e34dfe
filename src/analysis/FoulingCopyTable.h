#pragma once

#include "analysis/FoulingAnalysis.h"
#include "document/WineRec.h"

#include <string>
#include <vector>

namespace zephra {

// The fouling analysis as a table to paste into a spreadsheet: numbers as
// numbers ("." for the decimal point, no thousands separators, empty where
// there is no value), one column per quantity with its unit in the header.
// First the four laws: J0, each law's constant in a column of its own, t0,
// R², RMS, ΔAICc and the law's capacity with its 95 % interval and lower
// bound (for the standard law that is Vmax ± its interval); then, after an
// empty row, the results of the wine: best law, Vmax with its interval and
// lower bound, the capacities by the best law and by both fouling models
// on the production filter, flux decline and filterability index.
std::vector<std::vector<std::string>> FoulingCopyRows(const FoulingAnalysis& analysis,
                                                      const TWineRec& rec);

} // namespace zephra
