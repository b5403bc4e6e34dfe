#pragma once

#include "analysis/FoulingAnalysis.h"

#include <optional>
#include <string>
#include <vector>

namespace zephra {

inline constexpr const char* VmaxKnownText = "Vmax known within ±5 % — the trial can be stopped.";

// What a running trial shows after a point: the current Vmax with its 95 %
// interval and the best law so far, and whether Vmax is known well enough
// to stop.
struct VmaxTrackerStatus {
    bool Shown = false; // the analysis has enough points (four fitted or more)
    int PointsUsed = 0;
    // Only while the standard law is clearly the best: no other law comes
    // within ΔAICc 2 of it and it follows the trial (FoulingVerdict).
    std::optional<CapacityEstimate> Vmax;
    // Otherwise the capacity to rely on (FoulingAnalysis::Capacity) and the
    // law it comes from.
    std::optional<CapacityEstimate> Capacity;
    std::optional<BlockingLaw> CapacityLaw;
    std::optional<BlockingLaw> Best;
    std::vector<BlockingLaw> NotDistinguishableFrom;
    FoulingVerdict Verdict;
    // The throughput passed as a share of Vmax.
    std::optional<double> SharePassed;
    // Vmax is known within ±5 % (VmaxTracker says when).
    bool Known = false;
};

// Follows a trial point by point while it is collected, and says when Vmax
// is known within ±5 %. A narrow interval alone does not say so: early in a
// trial every law fits, the interval holds only the scatter, and a Vmax
// extrapolated far beyond the data can be narrow and wrong. Vmax counts as
// known when, at the latest point,
//   - the standard law is clearly the best (Vmax is shown at all): no other
//     law comes within ΔAICc 2, and the residuals of the fit show no serial
//     correlation (their lag-1 autocorrelation below the one-sided 5 %
//     level 1.645/√n of white noise): the law follows the trial, not only
//     its scatter;
//   - at least half of Vmax has passed the filter;
//   - the 95 % interval lies within ±5 % of Vmax;
//   - every Vmax of the last two minutes of the trial lies within ±2 % of
//     this one, and Vmax was shown at each of them.
class VmaxTracker {
public:
    // The status after a new point, from the analysis of the wine as it
    // stands with that point.
    VmaxTrackerStatus Update(const FoulingAnalysis& analysis);

private:
    struct Estimate {
        double Seconds = 0;
        std::optional<double> Vmax;
    };
    bool StableOverRecentMinutes(double now, double vmax) const;

    std::vector<Estimate> history_;
};

// Vmax with its 95 % interval, "312 (298–329) L/m²", or "—"; without Vmax
// the capacity to rely on after it: "— (capacity 98.1 (90.2–107) L/m²,
// complete blocking)".
std::string VmaxIntervalText(const VmaxTrackerStatus& status);

// The best law's title, or "none".
std::string BestLawText(const VmaxTrackerStatus& status);

// One line for the status, empty while nothing is shown: "Vmax 312 L/m²
// (95 %: 298–329), best law: standard blocking, 43 % of Vmax passed",
// naming the laws the best cannot be told from; without Vmax the capacity
// to rely on and its law; the verdict when it is doubtful; followed by
// VmaxKnownText on the same line when Vmax is known.
std::string VmaxTrackerLine(const VmaxTrackerStatus& status);

} // namespace zephra
