#pragma once

#include "analysis/FoulingAnalysis.h"

#include <optional>
#include <string>

namespace zephra {

inline constexpr const char* VmaxKnownText = "Vmax known within ±5 % — the trial can be stopped.";

// What a running trial shows after a point: the current Vmax with its 95 %
// interval and the best law so far, and whether Vmax is known well enough
// to stop.
struct VmaxTrackerStatus {
    bool Shown = false; // the analysis has enough points (four fitted or more)
    int PointsUsed = 0;
    std::optional<double> VmaxLPerM2;
    std::optional<double> HalfWidth95;
    std::optional<BlockingLaw> Best;
    // The standard law has described the trial best, with a 95 % interval
    // within ±5 % of Vmax, at each of the last three points.
    bool Known = false;
};

// Follows a trial point by point while it is collected. Vmax is claimed
// only for a trial that the standard law describes best: for any other law
// Vmax is not the filter's capacity.
class VmaxTracker {
public:
    // The status after a new point, from the analysis of the wine as it
    // stands with that point.
    VmaxTrackerStatus Update(const FoulingAnalysis& analysis);

private:
    int pointsInRow_ = 0;
};

// Vmax with the half-width of its interval, "621.8 ± 30 L/m²", or "—".
std::string VmaxIntervalText(const VmaxTrackerStatus& status);

// The best law's title, or "none".
std::string BestLawText(const VmaxTrackerStatus& status);

// One line for the status, empty while nothing is shown: "Vmax 123.4 ± 2.1
// L/m² (95 %), best law: standard blocking", followed by VmaxKnownText on
// the same line when Vmax is known.
std::string VmaxTrackerLine(const VmaxTrackerStatus& status);

} // namespace zephra
