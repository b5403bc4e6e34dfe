// The analysis' verdict of trust, the capacity to rely on, and the trial
// too short to tell: cases where the lab's own conditions (a pressure that
// wobbles, a few noisy points) mislead a fit that counts every point as an
// independent reading.

#include "LawTrials.h"
#include "SimulatedCollection.h"
#include "analysis/FoulingAnalysis.h"
#include "analysis/FoulingAnalysisText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zephra {
namespace {

using test::SimulatedTrial;

// An 18-minute complete- or intermediate-blocking trial at 2500 LMH whose
// flux falls to 60 % of J0, under a regulator that holds the pressure up to
// 2 % off for about a minute at a time.
SimulatedTrial WobblingTrial(BlockingLaw law, std::uint32_t seed) {
    SimulatedTrial trial;
    trial.Law = law;
    trial.J0Lmh = 2500;
    trial.MaxMinutes = 18;
    const double endFlux = 0.6;
    const double fouling = law == BlockingLaw::Complete ? -std::log(endFlux) : 1 / endFlux - 1;
    trial.C = fouling / (trial.J0Lmh * 0.3);
    trial.PressureSwing = 0.02;
    trial.SwingPeriodSeconds = 60;
    trial.Seed = seed;
    return trial;
}

FoulingAnalysis FinalAnalysis(const SimulatedTrial& trial) {
    const std::vector<test::SimulatedPoint> points = test::CollectSimulatedTrial(trial);
    return AnalyzeFouling(points.back().Wine, {}, points.back().RequestSeconds);
}

bool Among(const std::vector<BlockingLaw>& laws, BlockingLaw law) {
    return std::ranges::find(laws, law) != laws.end();
}

// Trials whose wobbling pressure makes another law fit best by a margin
// that, counted over every point as independent, looked decisive (ΔAICc
// of the true law 2 or more). Counted with the effective points, the true
// law cannot be told from the best; the verdict is doubtful, and the
// capacity to rely on is the lowest of those laws: its lower bound does
// not overstate the true capacity.
TEST(FoulingVerdict, WobblingPressureLeavesTheLawUnclear) {
    struct Case {
        BlockingLaw law;
        std::uint32_t seed;
    };
    for (const Case c : {Case{BlockingLaw::Complete, 2}, Case{BlockingLaw::Complete, 16},
                         Case{BlockingLaw::Complete, 22}, Case{BlockingLaw::Intermediate, 3}}) {
        SCOPED_TRACE(testing::Message() << LawKey(c.law) << " seed " << c.seed);
        const SimulatedTrial trial = WobblingTrial(c.law, c.seed);
        const FoulingAnalysis a = FinalAnalysis(trial);
        ASSERT_TRUE(a.Best.has_value());
        ASSERT_NE(*a.Best, c.law);
        const LawFit& best = a.Fit(*a.Best);
        const LawFit& truth = a.Fit(c.law);
        ASSERT_TRUE(truth.Fitted);
        // Counted as independent readings the choice looked clear.
        EXPECT_GE(truth.Points * (std::log(truth.WeightedSquares) - std::log(best.WeightedSquares)),
                  IndistinguishableAicc);
        EXPECT_LT(best.EffectivePoints, best.Points);
        EXPECT_TRUE(Among(a.NotDistinguishableFrom, c.law));
        EXPECT_TRUE(a.Verdict.LawUnclear);
        EXPECT_TRUE(a.Verdict.Doubtful());
        ASSERT_TRUE(a.Capacity && a.CapacityLaw && a.BestCapacity);
        EXPECT_LT(a.Capacity->Value, a.BestCapacity->Value);
        EXPECT_LE(a.Capacity->LowerBound95, test::TrueCapacity(trial, a.TerminalFluxShare));
        EXPECT_NE(ReliedCapacityText(a).find(
                      "the lowest capacity of the laws the trial cannot tell apart"),
                  std::string::npos);
        EXPECT_EQ(VerdictText(a).rfind("doubtful: ", 0), 0u);
    }
}

// The capacity to rely on is the lowest among the best law and the laws it
// cannot be told from; with a clear law it is the best law's own.
TEST(FoulingVerdict, CapacityToRelyOnIsTheLowestOfTheLawsNotToldApart) {
    const FoulingAnalysis clear = AnalyzeFouling(
        test::LawWine(BlockingLaw::Standard, test::TypicalParameters(BlockingLaw::Standard), 36));
    ASSERT_EQ(clear.Best, BlockingLaw::Standard);
    EXPECT_FALSE(clear.Verdict.Doubtful());
    EXPECT_EQ(clear.CapacityLaw, BlockingLaw::Standard);
    EXPECT_EQ(clear.Capacity->Value, clear.BestCapacity->Value);
    EXPECT_EQ(clear.Capacity->LowerBound95, clear.BestCapacity->LowerBound95);
    EXPECT_EQ(VerdictText(clear), "the law is clear and follows the trial");

    const FoulingAnalysis unclear = FinalAnalysis(WobblingTrial(BlockingLaw::Complete, 2));
    ASSERT_TRUE(unclear.Verdict.LawUnclear);
    double lowest = unclear.BestCapacity->Value;
    for (const BlockingLaw law : unclear.NotDistinguishableFrom) {
        lowest = std::min(lowest, CapacityOf(unclear.Fit(law), unclear.TerminalFluxShare).Value);
    }
    EXPECT_EQ(unclear.Capacity->Value, lowest);
    EXPECT_EQ(CapacityOf(unclear.Fit(*unclear.CapacityLaw), unclear.TerminalFluxShare).Value,
              lowest);
}

// Four points 30 s apart of a standard-law trial at 2000 LMH, each off by
// `wobble` in alternating sign.
TrialPoints FourPoints(double vmax, double wobble) {
    TrialPoints points;
    points.AreaM2 = test::LabArea47();
    const LawParameters p{2000, vmax, 0};
    for (int i = 0; i < 4; ++i) {
        const double hours = (i + 1) * 30 / 3600.0;
        points.Hours.push_back(hours);
        points.Throughput.push_back(ClosedFormThroughput(BlockingLaw::Standard, p, hours) *
                                    (1 + (i % 2 == 0 ? wobble : -wobble)));
        points.Variance.push_back(1e-6);
    }
    return points;
}

// A constant that cannot be told from zero is "too early to tell" while
// the trial cannot rule out a fouling that moves the flux: four points whose
// flux falls by half, scattered by 2 %. Only a flux that stays put within
// the scatter over the trial is "no fouling".
TEST(FoulingVerdict, TooEarlyToTellInsteadOfNoFouling) {
    struct Case {
        const char* name;
        double vmax;
        double wobble;
        BlockingLaw law;
        std::string_view reason;
    };
    const std::vector<Case> cases{
        {"falls by half", 100, 0.02, BlockingLaw::Complete, TooEarlyToTell},
        {"falls by half", 100, 0.02, BlockingLaw::Intermediate, TooEarlyToTell},
        {"falls by half", 100, 0.02, BlockingLaw::Standard, TooEarlyToTell},
        {"falls by half", 100, 0.02, BlockingLaw::Cake, TooEarlyToTell},
        {"stays put", 1e9, 1e-4, BlockingLaw::Standard, "no fouling: Vmax is unbounded"},
        {"stays put", 1e9, 1e-4, BlockingLaw::Cake, "no significant fouling"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << ", " << LawKey(c.law));
        const LawFit fit = FitBlockingLaw(c.law, FourPoints(c.vmax, c.wobble));
        EXPECT_FALSE(fit.Fitted);
        EXPECT_EQ(fit.Reason, c.reason);
    }
}

} // namespace
} // namespace zephra
