#include "analysis/VmaxTracker.h"

#include "analysis/FoulingAnalysisText.h"

namespace zephra {

namespace {

constexpr double RelativeHalfWidth = 0.05;
constexpr int PointsInRowNeeded = 3;

} // namespace

VmaxTrackerStatus VmaxTracker::Update(const FoulingAnalysis& analysis) {
    VmaxTrackerStatus status;
    status.Shown = analysis.EnoughData;
    status.PointsUsed = analysis.PointsUsed;
    status.VmaxLPerM2 = analysis.VmaxLPerM2;
    status.HalfWidth95 = analysis.VmaxHalfWidth95;
    status.Best = analysis.Best;
    const bool within = analysis.Best == BlockingLaw::Standard && analysis.VmaxLPerM2 &&
                        analysis.VmaxHalfWidth95 &&
                        *analysis.VmaxHalfWidth95 <= RelativeHalfWidth * *analysis.VmaxLPerM2;
    pointsInRow_ = within ? pointsInRow_ + 1 : 0;
    status.Known = pointsInRow_ >= PointsInRowNeeded;
    return status;
}

std::string VmaxIntervalText(const VmaxTrackerStatus& status) {
    if (!status.VmaxLPerM2) {
        return SignificantText(std::nullopt);
    }
    return SignificantText(status.VmaxLPerM2) + " ± " + SignificantText(status.HalfWidth95, 2) +
           " L/m²";
}

std::string BestLawText(const VmaxTrackerStatus& status) {
    return status.Best ? std::string(LawTitle(*status.Best)) : "none";
}

std::string VmaxTrackerLine(const VmaxTrackerStatus& status) {
    if (!status.Shown) {
        return {};
    }
    std::string line = "Vmax " + VmaxIntervalText(status);
    if (status.VmaxLPerM2) {
        line += " (95 %)";
    }
    line += ", best law: " + BestLawText(status);
    if (status.Known) {
        line += std::string(". ") + VmaxKnownText;
    }
    return line;
}

} // namespace zephra
