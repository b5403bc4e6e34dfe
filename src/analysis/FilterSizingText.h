#pragma once

#include "analysis/FilterSizing.h"
#include "entry/UnitSystem.h"

#include <string>
#include <utility>
#include <vector>

namespace zephra {

// The texts that show the sizing of a batch; the Filter Sizing window and
// the command-line tool show these same texts.

// "3 h 05 min", or "—".
std::string HoursText(std::optional<double> hours);

// Label and value of what the sizing was asked for: batch volume (L, hL and,
// in US units, US gallons), safety factor, element area, production flow
// with the batch time it sets, and the terminal flux.
std::vector<std::pair<std::string, std::string>>
SizingRequestItems(const BatchRequest& request, const DisplayUnits& units = UsUnits);

// The header row and one row per estimate: estimate, capacity (L/m²), area
// (m²), area by the lower bound (m²), elements, batch time, the flux at the
// batch's end (LMH) and whether it stays above the terminal flux.
std::vector<std::vector<std::string>> SizingTableRows(const std::vector<BatchSizing>& sizings);

// One line per estimate saying what it rests on and, where so, that it is
// not available or not trustworthy and why; then one line for each estimate
// whose production flow the clean filter cannot give, and for each whose
// flow does not hold to the batch's end.
std::vector<std::string> SizingNotes(const std::vector<BatchSizing>& sizings,
                                     const BatchRequest& request);

} // namespace zephra
