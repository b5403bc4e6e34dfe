#include "analysis/VmaxTracker.h"

#include "SimulatedCollection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

namespace zephra {
namespace {

using test::SimulatedTrial;

// The analysis after a point at `seconds`, as the tracker reads it: the
// standard law best, Vmax 100 L/m² known to ±3 %, 60 % of it passed, 30
// points with residuals showing no serial correlation.
FoulingAnalysis GoodState(double seconds) {
    FoulingAnalysis a;
    a.EnoughData = true;
    a.PointsUsed = 30;
    a.LabAreaM2 = 0.001;
    a.Seconds = {seconds};
    a.VolumeMl = {0.6 * 100 * 0.001 * 1000};
    a.Best = BlockingLaw::Standard;
    a.Vmax = CapacityEstimate{100, 97, 103, 97.5};
    LawFit& standard = a.Laws[static_cast<std::size_t>(BlockingLaw::Standard)];
    standard.Points = 30;
    standard.ResidualAutocorrelation = 0;
    return a;
}

// Good states every 30 s: Vmax counts as known once two minutes of them
// stand behind the latest.
TEST(VmaxTracker, KnownAfterTwoStableMinutes) {
    VmaxTracker tracker;
    for (int s = 0; s <= 90; s += 30) {
        EXPECT_FALSE(tracker.Update(GoodState(s)).Known) << s;
    }
    const VmaxTrackerStatus status = tracker.Update(GoodState(120));
    EXPECT_TRUE(status.Known);
    EXPECT_NEAR(*status.SharePassed, 0.6, 1e-12);
    EXPECT_EQ(VmaxTrackerLine(status),
              "Vmax 100 L/m² (95 %: 97.0–103), best law: standard blocking, 60 % of Vmax passed. " +
                  std::string(VmaxKnownText));
    EXPECT_EQ(VmaxIntervalText(status), "100 (97.0–103) L/m²");
}

// After two good minutes, each condition broken alone at the latest point
// keeps the mark off.
TEST(VmaxTracker, EachConditionIsNeeded) {
    struct Case {
        const char* name;
        std::function<void(FoulingAnalysis&)> change;
    };
    const std::vector<Case> cases{
        {"a law not distinguishable",
         [](FoulingAnalysis& a) {
             a.NotDistinguishableFrom = {BlockingLaw::Intermediate};
             a.Verdict.LawUnclear = true;
         }},
        {"less than half of Vmax passed", [](FoulingAnalysis& a) { a.VolumeMl = {49.9}; }},
        {"interval wider than 5 % below", [](FoulingAnalysis& a) { a.Vmax->Low95 = 94.9; }},
        {"interval wider than 5 % above", [](FoulingAnalysis& a) { a.Vmax->High95 = 105.1; }},
        {"interval without upper end", [](FoulingAnalysis& a) { a.Vmax->High95.reset(); }},
        {"Vmax moved by 3 %", [](FoulingAnalysis& a) { a.Vmax->Value = 103; }},
        {"serially correlated residuals",
         [](FoulingAnalysis& a) {
             a.Laws[static_cast<std::size_t>(BlockingLaw::Standard)].ResidualAutocorrelation =
                 0.31; // above 1.645/√30 = 0.300
             a.Verdict.ResidualRuns = true;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        VmaxTracker tracker;
        for (int s = 0; s <= 120; s += 30) {
            tracker.Update(GoodState(s));
        }
        FoulingAnalysis latest = GoodState(150);
        c.change(latest);
        EXPECT_FALSE(tracker.Update(latest).Known);
    }
}

// Vmax is shown only while the standard law is clearly the best; otherwise
// the line gives the capacity to rely on, its law and the doubt.
TEST(VmaxTracker, ShowsVmaxOnlyWhenTheStandardLawIsClearlyBest) {
    struct Case {
        const char* name;
        std::function<void(FoulingAnalysis&)> change;
        bool vmaxShown;
        const char* line;
    };
    const auto unclear = [](FoulingAnalysis& a) {
        a.NotDistinguishableFrom = {BlockingLaw::Complete};
        a.Verdict.LawUnclear = true;
        a.CapacityLaw = BlockingLaw::Complete;
        a.Capacity = CapacityEstimate{50, 40, 62, 42};
    };
    const auto runs = [](FoulingAnalysis& a) {
        a.Verdict.ResidualRuns = true;
        a.CapacityLaw = BlockingLaw::Standard;
        a.Capacity = a.Vmax;
    };
    const std::vector<Case> cases{
        {"clear", [](FoulingAnalysis&) {}, true,
         "Vmax 100 L/m² (95 %: 97.0–103), best law: standard blocking, 60 % of Vmax passed"},
        {"not distinguishable from complete blocking", unclear, false,
         "Vmax —, capacity 50.0 L/m² (95 %: 40.0–62.0) by complete blocking, the lowest "
         "capacity of the laws the trial cannot tell apart, best law: standard blocking (not "
         "distinguishable from complete blocking)"},
        {"runs in the residuals", runs, false,
         "Vmax —, capacity 100 L/m² (95 %: 97.0–103) by standard blocking, best law: standard "
         "blocking, doubtful: standard blocking does not follow the trial closely"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FoulingAnalysis a = GoodState(0);
        c.change(a);
        const VmaxTrackerStatus status = VmaxTracker().Update(a);
        EXPECT_EQ(status.Vmax.has_value(), c.vmaxShown);
        EXPECT_EQ(VmaxTrackerLine(status), c.line);
    }
}

// A point at which another law was the best breaks the stable minutes until
// it lies more than two minutes back.
TEST(VmaxTracker, AnotherBestLawRestartsTheStableMinutes) {
    VmaxTracker tracker;
    for (int s = 0; s <= 60; s += 30) {
        tracker.Update(GoodState(s));
    }
    FoulingAnalysis cake = GoodState(90);
    cake.Best = BlockingLaw::Cake;
    cake.Vmax.reset();
    const VmaxTrackerStatus shown = tracker.Update(cake);
    EXPECT_FALSE(shown.Known);
    EXPECT_EQ(VmaxIntervalText(shown), "—");
    EXPECT_EQ(VmaxTrackerLine(shown), "Vmax —, best law: cake filtration");
    for (int s = 120; s <= 210; s += 30) {
        EXPECT_FALSE(tracker.Update(GoodState(s)).Known) << s;
    }
    EXPECT_TRUE(tracker.Update(GoodState(240)).Known);
}

std::vector<VmaxTrackerStatus> LiveStatuses(const SimulatedTrial& trial) {
    std::vector<VmaxTrackerStatus> statuses;
    for (const test::SimulatedPoint& point : test::CollectSimulatedTrial(trial)) {
        statuses.push_back(point.Live);
    }
    return statuses;
}

// The collection run's own live status on a standard-law trial: nothing
// before four points are fitted (the first is skipped), then Vmax; the mark
// comes once half of Vmax has passed, with Vmax right within 5 %.
TEST(VmaxTracker, StandardLawCollectionReachesTheMark) {
    SimulatedTrial trial;
    trial.Law = BlockingLaw::Standard;
    trial.MaxMinutes = 36;
    const std::vector<VmaxTrackerStatus> statuses = LiveStatuses(trial);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_FALSE(statuses[i].Shown) << i;
        EXPECT_EQ(VmaxTrackerLine(statuses[i]), "");
    }
    EXPECT_TRUE(statuses[4].Shown);
    std::size_t first = 0;
    while (first < statuses.size() && !statuses[first].Known) {
        ++first;
    }
    ASSERT_LT(first, statuses.size());
    EXPECT_GE(*statuses[first].SharePassed, 0.5);
    EXPECT_NEAR(statuses[first].Vmax->Value * trial.C, 1, 0.05);
    EXPECT_NE(VmaxTrackerLine(statuses[first]).find(VmaxKnownText), std::string::npos);
    EXPECT_TRUE(statuses.back().Known);
}

TEST(VmaxTracker, OtherLawsNeverClaimAVmax) {
    for (const BlockingLaw law :
         {BlockingLaw::Complete, BlockingLaw::Intermediate, BlockingLaw::Cake}) {
        SCOPED_TRACE(LawKey(law));
        SimulatedTrial trial;
        trial.Law = law;
        trial.MaxMinutes = 36;
        trial.C = 3 / (trial.J0Lmh * 0.6); // c·J0·t of 3 by the end
        const std::vector<VmaxTrackerStatus> statuses = LiveStatuses(trial);
        EXPECT_GT(statuses.size(), 40u);
        for (const VmaxTrackerStatus& status : statuses) {
            EXPECT_FALSE(status.Known);
        }
        EXPECT_EQ(statuses.back().Best, law);
        EXPECT_FALSE(statuses.back().Vmax.has_value());
    }
}

} // namespace
} // namespace zephra
