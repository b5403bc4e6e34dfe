// The estimator on a few collections of the kinds the accuracy benchmark
// (bench/VmaxAccuracy.cpp) draws by the hundred: fixed trials, so that a
// change that spoils the estimates shows here at once.

#include "SimulatedCollection.h"
#include "analysis/FoulingAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zephra {
namespace {

using test::SimulatedTrial;

FoulingAnalysis FinalAnalysis(const SimulatedTrial& trial, bool precise = false) {
    const std::vector<test::SimulatedPoint> points = test::CollectSimulatedTrial(trial);
    const test::SimulatedPoint& last = points.back();
    return AnalyzeFouling(last.Wine, {},
                          precise ? std::span<const double>(last.RequestSeconds)
                                  : std::span<const double>());
}

bool Holds(const CapacityEstimate& c, double truth) {
    return c.Low95 <= truth && (!c.High95 || truth <= *c.High95) && c.LowerBound95 <= truth;
}

// Standard-law trials of 36 minutes, 2500 LMH, fouled to c·J0·t = 2: clean,
// with the flow opened 6 s late, and on time stamps to 0.1 s. Vmax comes
// out within 2 % and its interval holds it; the start the fit finds is the
// opening plus the reply delay (the record stamps the reply).
TEST(SimulatedTrials, StandardLawGivesVmaxWithAnIntervalThatHoldsIt) {
    struct Case {
        const char* name;
        double startDelay;
        bool precise;
    };
    for (const Case c : {Case{"clean", 0, false}, Case{"late start", 6, false},
                         Case{"late start, precise times", 6, true}}) {
        SCOPED_TRACE(c.name);
        SimulatedTrial trial;
        trial.J0Lmh = 2500;
        trial.MaxMinutes = 36;
        trial.C = 2 / (trial.J0Lmh * 0.6);
        trial.StartDelaySeconds = c.startDelay;
        trial.ReplyDelaySeconds = 0.4;
        trial.ReplyJitterSeconds = 0.05;
        const FoulingAnalysis a = FinalAnalysis(trial, c.precise);
        ASSERT_EQ(a.Best, BlockingLaw::Standard);
        EXPECT_EQ(a.PreciseTimes, c.precise);
        ASSERT_TRUE(a.Vmax.has_value());
        const double truth = 1 / trial.C;
        EXPECT_NEAR(a.Vmax->Value / truth, 1, 0.02);
        EXPECT_TRUE(Holds(*a.Vmax, truth)) << a.Vmax->Low95 << " " << a.Vmax->LowerBound95;
        const double expectedStart = c.startDelay + (c.precise ? 0.0 : trial.ReplyDelaySeconds);
        EXPECT_NEAR(a.Fit(BlockingLaw::Standard).Params.T0 * 3600, expectedStart, 1.0);
    }
}

// A pressure drifting 10 % up over the run looks like a slower fouling: the
// volumes alone cannot tell the two apart, and Vmax comes out high by a few
// per cent. The law is still the standard one.
TEST(SimulatedTrials, DriftingPressureBiasesVmaxUpward) {
    SimulatedTrial trial;
    trial.J0Lmh = 2500;
    trial.MaxMinutes = 36;
    trial.C = 2 / (trial.J0Lmh * 0.6);
    trial.PressureDrift = 0.1;
    const FoulingAnalysis a = FinalAnalysis(trial);
    ASSERT_EQ(a.Best, BlockingLaw::Standard);
    const double ratio = a.Vmax->Value * trial.C;
    EXPECT_GT(ratio, 1.01);
    EXPECT_LT(ratio, 1.1);
}

// Trials of the other laws: no Vmax, the best law's own capacity within its
// interval.
TEST(SimulatedTrials, OtherLawsGiveTheirOwnCapacity) {
    for (const BlockingLaw law :
         {BlockingLaw::Complete, BlockingLaw::Intermediate, BlockingLaw::Cake}) {
        SCOPED_TRACE(LawKey(law));
        SimulatedTrial trial;
        trial.Law = law;
        trial.J0Lmh = 2500;
        trial.MaxMinutes = 36;
        trial.C = 2 / (trial.J0Lmh * 0.6);
        trial.StartDelaySeconds = 4;
        const FoulingAnalysis a = FinalAnalysis(trial);
        ASSERT_EQ(a.Best, law);
        EXPECT_FALSE(a.Vmax.has_value());
        const double truth = TrueCapacity(trial, a.TerminalFluxShare);
        EXPECT_NEAR(a.BestCapacity->Value / truth, 1, 0.05);
        EXPECT_TRUE(Holds(*a.BestCapacity, truth));
    }
}

} // namespace
} // namespace zephra
