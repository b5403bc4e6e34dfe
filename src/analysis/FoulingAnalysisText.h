#pragma once

#include "analysis/FoulingAnalysis.h"
#include "entry/UnitSystem.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zephra {

// The texts that show an analysis: the table of the four laws and the
// summary items. The window, its "Copy Table" and the command-line tool
// all show these same texts.

// What stands for a value that cannot be computed.
inline constexpr const char* NoValue = "—";

// A number with `digits` significant digits, in fixed-point notation or,
// below 0.001 and from 10⁹ on, in scientific notation ("1.579e-06"); "."
// whatever the locale; "—" for a value that cannot be computed.
std::string SignificantText(std::optional<double> value, int digits = 4);

// The header row and one row per law, in the order of AllBlockingLaws:
// law, J0 (LMH), the law's constant with its unit, R² of the linear fit, RMS
// error (ml), and "best" or the reason the law is not fitted.
std::vector<std::vector<std::string>> FoulingTableRows(const FoulingAnalysis& analysis);

// The rows as tab-separated lines, each ending in a newline.
std::string TabSeparated(const std::vector<std::vector<std::string>>& rows);

// The best law's title, "none" when no law is fitted, or "not enough data".
std::string BestLawText(const FoulingAnalysis& analysis);

// Vmax with its 95 % interval ("1234 ± 56 L/m² (95 %)"), or "—".
std::string VmaxText(const FoulingAnalysis& analysis);

// The production capacity by Vmax in whole gallons ("1643 gal"), in metric
// units in hectolitres ("62.2 hL", see ShownVolume), or "—".
std::string CapacityText(const FoulingAnalysis& analysis, const DisplayUnits& units = UsUnits);

// The terms the capacity by Vmax holds under.
inline constexpr std::string_view CapacityTerms = "(constant pressure, no safety factor)";

// Label and value of each summary item: points used, best law, Vmax with
// its interval, J0, the production capacity by Vmax beside the two
// estimates of the filterability calculation stored in `rec`, flux decline
// and filterability index; volumes in the volume unit of `units`.
std::vector<std::pair<std::string, std::string>>
FoulingSummaryItems(const FoulingAnalysis& analysis, const TWineRec& rec,
                    const DisplayUnits& units = UsUnits);

} // namespace zephra
