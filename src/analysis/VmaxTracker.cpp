#include "analysis/VmaxTracker.h"

#include "analysis/FoulingAnalysisText.h"
#include "document/Quantities.h"
#include "entry/FixedText.h"

#include <cmath>

namespace zephra {

namespace {

constexpr double RelativeHalfWidth = 0.05;
constexpr double MinimumSharePassed = 0.5;
constexpr double StableSeconds = 120;
constexpr double StableBand = 0.02;

bool WithinBand(const CapacityEstimate& vmax) {
    return vmax.Low95 >= (1 - RelativeHalfWidth) * vmax.Value && vmax.High95 &&
           *vmax.High95 <= (1 + RelativeHalfWidth) * vmax.Value;
}

} // namespace

bool VmaxTracker::StableOverRecentMinutes(double now, double vmax) const {
    if (history_.empty() || now - history_.front().Seconds < StableSeconds) {
        return false;
    }
    for (auto it = history_.rbegin(); it != history_.rend(); ++it) {
        if (!it->Vmax || std::abs(*it->Vmax / vmax - 1) > StableBand) {
            return false;
        }
        if (now - it->Seconds >= StableSeconds) {
            return true;
        }
    }
    return false;
}

VmaxTrackerStatus VmaxTracker::Update(const FoulingAnalysis& analysis) {
    VmaxTrackerStatus status;
    status.Shown = analysis.EnoughData;
    status.PointsUsed = analysis.PointsUsed;
    status.Vmax = analysis.Vmax;
    status.Best = analysis.Best;
    status.NotDistinguishableFrom = analysis.NotDistinguishableFrom;
    if (analysis.VolumeMl.empty() || analysis.Seconds.empty()) {
        history_.clear();
        return status;
    }
    const double now = analysis.Seconds.back();
    if (analysis.Vmax) {
        const double throughput =
            Volume::Ml(analysis.VolumeMl.back()).InLitres() / analysis.LabAreaM2;
        status.SharePassed = throughput / analysis.Vmax->Value;
        status.Known = analysis.NotDistinguishableFrom.empty() &&
                       *status.SharePassed >= MinimumSharePassed && WithinBand(*analysis.Vmax) &&
                       StableOverRecentMinutes(now, analysis.Vmax->Value) &&
                       ResidualsLookIndependent(analysis.Fit(BlockingLaw::Standard));
    }
    history_.push_back({now, analysis.Vmax ? std::optional(analysis.Vmax->Value) : std::nullopt});
    return status;
}

std::string VmaxIntervalText(const VmaxTrackerStatus& status) {
    if (!status.Vmax) {
        return NoValue;
    }
    const CapacityEstimate& v = *status.Vmax;
    const std::string high = v.High95 ? SignificantText(v.High95, 3) : "∞";
    return SignificantText(v.Value, 3) + " (" + SignificantText(v.Low95, 3) + "–" + high + ") L/m²";
}

std::string BestLawText(const VmaxTrackerStatus& status) {
    return status.Best ? std::string(LawTitle(*status.Best)) : "none";
}

std::string VmaxTrackerLine(const VmaxTrackerStatus& status) {
    if (!status.Shown) {
        return {};
    }
    std::string line = "Vmax ";
    if (status.Vmax) {
        const CapacityEstimate& v = *status.Vmax;
        line += SignificantText(v.Value, 3) + " L/m² (95 %: " + SignificantText(v.Low95, 3) + "–" +
                (v.High95 ? SignificantText(v.High95, 3) : "no upper end") + ")";
    } else {
        line += NoValue;
    }
    line += ", best law: " + BestLawText(status);
    if (!status.NotDistinguishableFrom.empty()) {
        line += " (" + IndistinguishableText(status.NotDistinguishableFrom) + ")";
    }
    if (status.SharePassed) {
        line += ", " + FixedText(100 * *status.SharePassed, 0, 0) + " % of Vmax passed";
    }
    if (status.Known) {
        line += std::string(". ") + VmaxKnownText;
    }
    return line;
}

} // namespace zephra
