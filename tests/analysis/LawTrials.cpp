#include "LawTrials.h"

#include "AnalysisTestSupport.h"
#include "document/Quantities.h"
#include "entry/FixedText.h"

namespace zephra::test {

double LabArea47() {
    const double radius = 47.0 / 1000 / 2;
    return radius * radius * calc::Pi;
}

LawParameters TypicalParameters(BlockingLaw law) {
    switch (law) {
    case BlockingLaw::Complete:
        return {2000, 8};
    case BlockingLaw::Intermediate:
        return {2000, 0.02};
    case BlockingLaw::Standard:
        return {2000, 300};
    case BlockingLaw::Cake:
        return {2000, 6.7e-6};
    }
    return {};
}

double LawVolumeMl(BlockingLaw law, const LawParameters& p, double seconds) {
    return ClosedFormThroughput(law, p, seconds / 3600) * LabArea47() * 1000;
}

TWineRec LawWine(BlockingLaw law, const LawParameters& p, int readings, int interval,
                 std::uint16_t minSkip) {
    std::vector<std::string> volumes;
    for (int i = 1; i <= readings; ++i) {
        volumes.push_back(FixedText(LawVolumeMl(law, p, i * interval), 6, 1));
    }
    ConditionTexts conditions;
    conditions.LabP = "30.0";
    conditions.LabFiltDia = "47.0";
    return MakeWine(conditions, ReadingsEvery(interval, volumes), minSkip);
}

} // namespace zephra::test
