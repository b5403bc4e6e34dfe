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

std::string VmaxTrackerLine(const VmaxTrackerStatus& status) {
    if (!status.Shown) {
        return {};
    }
    std::string line = "Vmax " + SignificantText(status.VmaxLPerM2);
    if (status.VmaxLPerM2) {
        line += " ± " + SignificantText(status.HalfWidth95, 2) + " L/m² (95 %)";
    }
    line += ", best law: ";
    line += status.Best ? LawTitle(*status.Best) : "none";
    if (status.Known) {
        line += std::string(". ") + VmaxKnownText;
    }
    return line;
}

} // namespace zephra
