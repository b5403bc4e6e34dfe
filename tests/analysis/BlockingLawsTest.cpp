#include "analysis/BlockingLaws.h"
#include "analysis/BlockingLawFit.h"

#include "LawTrials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zephra {
namespace {

using test::TypicalParameters;

// The points of the closed form with equal weights.
TrialPoints ClosedFormTrial(BlockingLaw law, const LawParameters& p, int points, double stepHours) {
    TrialPoints trial;
    trial.AreaM2 = test::LabArea47();
    for (int i = 1; i <= points; ++i) {
        trial.Hours.push_back(i * stepHours);
        trial.Throughput.push_back(ClosedFormThroughput(law, p, i * stepHours));
        trial.Variance.push_back(1e-6);
    }
    return trial;
}

// Noise-free trials of nine minutes with a reading every 15 s, the flow
// opened at once or 7 s late: the fit of v(t) gives every law's parameters
// back, the start included.
TEST(BlockingLaws, FitsOfTheClosedFormsRecoverTheirParameters) {
    for (const BlockingLaw law : AllBlockingLaws) {
        for (const double startSeconds : {0.0, 7.0}) {
            SCOPED_TRACE(std::string(LawKey(law)) + " from " + std::to_string(startSeconds));
            LawParameters p = TypicalParameters(law);
            p.T0 = startSeconds / 3600;
            const LawFit fit = FitBlockingLaw(law, ClosedFormTrial(law, p, 36, 15.0 / 3600));
            ASSERT_TRUE(fit.Fitted) << fit.Reason;
            EXPECT_NEAR(fit.Params.J0 / p.J0, 1, 1e-7);
            EXPECT_NEAR(fit.Params.K / p.K, 1, 1e-7);
            EXPECT_NEAR(fit.Params.T0 * 3600, startSeconds, 1e-5);
            EXPECT_NEAR(fit.C, FoulingConstant(law, p), 1e-7 * fit.C);
            EXPECT_LT(fit.RmsMl, 1e-6);
            EXPECT_EQ(fit.Points, 36);
            ASSERT_TRUE(fit.Aicc.has_value());
        }
    }
}

// The laws written with the one fouling constant c: the constant's
// conversions, the flux after a throughput, the time to reach it, and the
// capacity κ/c, where the law's flux has fallen to the terminal share.
TEST(BlockingLaws, FoulingConstantFluxTimeAndCapacityAgreeWithTheClosedForm) {
    for (const BlockingLaw law : AllBlockingLaws) {
        SCOPED_TRACE(LawKey(law));
        const LawParameters p{2000, TypicalParameters(law).K, 0.002};
        const double c = FoulingConstant(law, p);
        const LawParameters back = ParametersOf(law, p.J0, c, p.T0);
        EXPECT_NEAR(back.K / p.K, 1, 1e-12);
        EXPECT_EQ(back.T0, p.T0);

        const double hours = 0.1;
        const double v = ClosedFormThroughput(law, p, p.T0 + hours);
        EXPECT_NEAR(HoursToThroughput(law, p, v) / hours, 1, 1e-12);
        // The flux is the slope of the closed form.
        const double h = 1e-6;
        const double slope = (ClosedFormThroughput(law, p, p.T0 + hours + h) -
                              ClosedFormThroughput(law, p, p.T0 + hours - h)) /
                             (2 * h);
        EXPECT_NEAR(FluxAtThroughput(law, p, v) / slope, 1, 1e-7);

        const double capacity = CapacityFactor(law, 0.1) / c;
        const double terminal = CapacityAtTerminalFlux(law) ? 0.1 * p.J0 : 0.0;
        EXPECT_NEAR(FluxAtThroughput(law, p, capacity), terminal, 1e-9 * p.J0);
    }
    // Complete and standard blocking never pass their limit.
    for (const BlockingLaw law : {BlockingLaw::Complete, BlockingLaw::Standard}) {
        const LawParameters p = TypicalParameters(law);
        EXPECT_EQ(HoursToThroughput(law, p, 1 / FoulingConstant(law, p)), INFINITY);
    }
}

TEST(BlockingLaws, ClosedFormsStartAtTheirStartWithTheInitialFlux) {
    for (const BlockingLaw law : AllBlockingLaws) {
        SCOPED_TRACE(LawKey(law));
        LawParameters p = TypicalParameters(law);
        p.T0 = 0.001;
        const double h = 1e-7;
        EXPECT_EQ(ClosedFormThroughput(law, p, 0), 0);
        EXPECT_EQ(ClosedFormThroughput(law, p, p.T0), 0);
        EXPECT_NEAR(ClosedFormThroughput(law, p, p.T0 + h) / h / p.J0, 1, 1e-3);
        // A zero constant is the clean filter, for every law but standard
        // blocking, whose clean filter is an infinite Vmax.
        const LawParameters clean{p.J0, law == BlockingLaw::Standard ? INFINITY : 0.0};
        EXPECT_DOUBLE_EQ(ClosedFormThroughput(law, clean, 0.1), p.J0 * 0.1);
    }
}

// The derivatives the fit uses agree with differences of the closed form,
// also where c·J0·τ is so small that the series stand in for the closed
// expressions.
TEST(BlockingLaws, FittedThroughputGradientMatchesDifferences) {
    for (const BlockingLaw law : AllBlockingLaws) {
        for (const double c : {1e-3, 1e-8}) {
            SCOPED_TRACE(std::string(LawKey(law)) + " c " + std::to_string(c));
            const double J0 = 2000;
            const double T0 = 0.001;
            const double hours = 0.1;
            const auto at = FittedThroughput(law, J0, c, T0, hours);
            ASSERT_TRUE(at.has_value());
            const auto value = [&](double j, double k, double t) {
                return FittedThroughput(law, j, k, t, hours)->Value;
            };
            EXPECT_NEAR(at->Gradient[0], (value(J0 + 1e-3, c, T0) - value(J0 - 1e-3, c, T0)) / 2e-3,
                        1e-6 * std::abs(at->Gradient[0]));
            const double dc = c * 1e-4;
            EXPECT_NEAR(at->Gradient[1], (value(J0, c + dc, T0) - value(J0, c - dc, T0)) / (2 * dc),
                        1e-5 * std::abs(at->Gradient[1]));
            EXPECT_NEAR(at->Gradient[2], (value(J0, c, T0 + 1e-7) - value(J0, c, T0 - 1e-7)) / 2e-7,
                        1e-5 * std::abs(at->Gradient[2]));
        }
        // Before the start there is nothing to fit.
        EXPECT_FALSE(FittedThroughput(law, 2000, 1e-3, 0.2, 0.1).has_value());
    }
}

TEST(BlockingLaws, FluxIntervalsStartAtTheOrigin) {
    const std::vector<double> hours{1, 3, 4};
    const std::vector<double> throughput{10, 30, 35};
    const std::vector<FluxInterval> intervals = FluxIntervals(hours, throughput);
    ASSERT_EQ(intervals.size(), 3u);
    EXPECT_DOUBLE_EQ(intervals[0].MidTime, 0.5);
    EXPECT_DOUBLE_EQ(intervals[0].MidThroughput, 5);
    EXPECT_DOUBLE_EQ(intervals[0].Flux, 10);
    EXPECT_DOUBLE_EQ(intervals[1].MidTime, 2);
    EXPECT_DOUBLE_EQ(intervals[1].MidThroughput, 20);
    EXPECT_DOUBLE_EQ(intervals[1].Flux, 10);
    EXPECT_DOUBLE_EQ(intervals[2].Flux, 5);
}

TrialPoints Points(std::vector<double> hours, std::vector<double> throughput) {
    TrialPoints points;
    points.AreaM2 = 0.001;
    points.Variance.assign(hours.size(), 1e-4);
    points.Hours = std::move(hours);
    points.Throughput = std::move(throughput);
    return points;
}

struct DegenerateCase {
    const char* name;
    std::vector<double> hours;
    std::vector<double> throughput;
    const char* reason;
};

TEST(BlockingLaws, DegenerateTrialsAreNotFitted) {
    const std::vector<DegenerateCase> cases{
        {"three points", {1, 2, 3}, {1, 2, 3}, "not enough data"},
        {"one point", {1}, {1}, "not enough data"},
        {"equal volumes", {1, 2, 3, 4, 5}, {1, 2, 2, 3, 4}, "non-positive interval in the data"},
        {"time going backwards",
         {1, 2, 1.5, 4, 5},
         {1, 2, 3, 4, 5},
         "non-positive interval in the data"},
        {"not a number", {1, 2, NAN, 4, 5}, {1, 2, 3, 4, 5}, "values not finite"},
    };
    for (const DegenerateCase& c : cases) {
        for (const BlockingLaw law : AllBlockingLaws) {
            SCOPED_TRACE(std::string(c.name) + ", " + std::string(LawKey(law)));
            const LawFit fit = FitBlockingLaw(law, Points(c.hours, c.throughput));
            EXPECT_FALSE(fit.Fitted);
            EXPECT_EQ(fit.Reason, c.reason);
        }
    }
    TrialPoints noVariance = Points({1, 2, 3, 4}, {1, 2, 3, 4});
    noVariance.Variance.pop_back();
    EXPECT_EQ(FitBlockingLaw(BlockingLaw::Cake, noVariance).Reason, "not enough data");
}

// A filter whose flux rises and one whose flux never changes describe no
// fouling: no law claims them.
TEST(BlockingLaws, UnphysicalParametersAreNotFittedWithTheirReason) {
    const TrialPoints rising = Points({1, 2, 3, 4, 5}, {1, 3, 6, 10, 15});
    EXPECT_EQ(FitBlockingLaw(BlockingLaw::Complete, rising).Reason, "negative Kb");
    EXPECT_EQ(FitBlockingLaw(BlockingLaw::Intermediate, rising).Reason, "negative Ki");
    EXPECT_EQ(FitBlockingLaw(BlockingLaw::Standard, rising).Reason, "negative Vmax");
    EXPECT_EQ(FitBlockingLaw(BlockingLaw::Cake, rising).Reason, "negative Kc");

    const TrialPoints steady = Points({1, 2, 3, 4, 5}, {2, 4, 6, 8, 10});
    for (const BlockingLaw law : AllBlockingLaws) {
        SCOPED_TRACE(LawKey(law));
        EXPECT_FALSE(FitBlockingLaw(law, steady).Fitted);
    }
}

// Residuals that swing slowly to one side and back, as a drifting pressure
// leaves them, count as fewer independent points: the interval of the
// constant widens and its degrees of freedom shrink.
TEST(BlockingLaws, SeriallyCorrelatedResidualsWidenTheInterval) {
    const LawParameters p = TypicalParameters(BlockingLaw::Standard);
    const TrialPoints exact = ClosedFormTrial(BlockingLaw::Standard, p, 36, 15.0 / 3600);
    TrialPoints alternating = exact;
    TrialPoints swinging = exact;
    for (std::size_t i = 0; i < exact.Hours.size(); ++i) {
        alternating.Throughput[i] += (i % 2 == 0 ? 1 : -1) * 0.01;
        swinging.Throughput[i] += std::sin(static_cast<double>(i) / 4) * 0.01;
    }
    const LawFit independent = FitBlockingLaw(BlockingLaw::Standard, alternating);
    const LawFit correlated = FitBlockingLaw(BlockingLaw::Standard, swinging);
    ASSERT_TRUE(independent.Fitted && correlated.Fitted);
    EXPECT_LT(independent.ResidualAutocorrelation, 0);
    EXPECT_EQ(independent.DegreesOfFreedom, 33);
    EXPECT_GT(correlated.ResidualAutocorrelation, 0.5);
    EXPECT_LT(correlated.DegreesOfFreedom, 10);
}

} // namespace
} // namespace zephra
