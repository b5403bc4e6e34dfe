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

// SignificantText with the trailing zeros of a fraction dropped: "10",
// "51.5", "0.6".
std::string ShortNumberText(std::optional<double> value, int digits = 4);

// The header row and one row per law, in the order of AllBlockingLaws:
// law, J0 (LMH), the law's constant with its unit, the start t0 (s), R² of
// the linear form, RMS error (ml), ΔAICc to the best law, and "best",
// "not distinguishable from the best" or the reason the law is not fitted.
std::vector<std::vector<std::string>> FoulingTableRows(const FoulingAnalysis& analysis);

// The rows as tab-separated lines, each ending in a newline.
std::string TabSeparated(const std::vector<std::vector<std::string>>& rows);

// The best law's title, "none" when no law is fitted, or "not enough data".
std::string BestLawText(const FoulingAnalysis& analysis);

// "not distinguishable from standard blocking" for the laws within ΔAICc < 2
// of the best (FoulingAnalysis::NotDistinguishableFrom), joined by "or";
// empty when there are none.
std::string IndistinguishableText(const std::vector<BlockingLaw>& laws);

// A capacity in L/m² with its 95 % interval: "312.4 L/m² (95 %: 298.1–329.0)",
// "(95 %: from 298.1, no upper end)" when the interval is unbounded.
std::string CapacityIntervalText(const CapacityEstimate& capacity);

// Vmax with its 95 % interval, or "—".
std::string VmaxText(const FoulingAnalysis& analysis);

// A production volume kept in US gallons as shown in `units` ("1643 gal",
// "62.2 hL", see ShownVolume), or "—".
std::string ProductionVolumeText(const std::optional<double>& gallons,
                                 const DisplayUnits& units = UsUnits);

// The production capacity by Vmax in whole gallons ("1643 gal"), in metric
// units in hectolitres ("62.2 hL", see ShownVolume), or "—".
std::string CapacityText(const FoulingAnalysis& analysis, const DisplayUnits& units = UsUnits);

// A model's estimate as the record stores it ("3,453"), in the volume unit
// of `units` ("3,453 gal"), or "—" when blank.
std::string StoredEstimateText(std::string_view storedText, const DisplayUnits& units = UsUnits);

// The best law's production capacity as CapacityText gives it, or "—".
std::string BestCapacityText(const FoulingAnalysis& analysis, const DisplayUnits& units = UsUnits);

// What a law's capacity is: "Vmax", "the limit J0/Kb" or "the throughput at
// 10 % of J0".
std::string CapacityBasisText(BlockingLaw law, double terminalFluxShare);

// The verdict (FoulingAnalysis::Verdict) in the lab's words: "the law is
// clear and follows the trial", or "doubtful: " with its reasons; "—" when
// no law is fitted.
std::string VerdictText(const FoulingAnalysis& analysis);

// A best law's key or title as tables of several wines show it: followed
// by " (doubtful)" when the verdict is.
std::string LawWithDoubt(const std::string& law, bool doubtful);

// The capacity to rely on (FoulingAnalysis::Capacity) with its interval,
// lower bound and the law it comes from, saying when that is the lowest of
// the laws the trial cannot tell apart; "—" without one.
std::string ReliedCapacityText(const FoulingAnalysis& analysis);

// The terms the capacities hold under.
inline constexpr std::string_view CapacityTerms = "(constant pressure, no safety factor)";

// Label and value of each summary item: points used and their times, best
// law, Vmax with its interval and lower bound, J0, the production capacity
// by Vmax, the best law's capacity, the verdict and the capacity to rely on
// beside the two estimates of the
// filterability calculation stored in `rec`, flux decline and filterability
// index; volumes in the volume unit of `units`.
std::vector<std::pair<std::string, std::string>>
FoulingSummaryItems(const FoulingAnalysis& analysis, const TWineRec& rec,
                    const DisplayUnits& units = UsUnits);

} // namespace zephra
