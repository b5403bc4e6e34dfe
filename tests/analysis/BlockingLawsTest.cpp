#include "analysis/BlockingLaws.h"

#include "LawTrials.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace zephra {
namespace {

using test::TypicalParameters;

struct Trial {
    std::vector<double> hours;
    std::vector<double> throughput;
};

Trial ClosedFormTrial(BlockingLaw law, const LawParameters& p, int points, double stepHours) {
    Trial trial;
    for (int i = 1; i <= points; ++i) {
        trial.hours.push_back(i * stepHours);
        trial.throughput.push_back(ClosedFormThroughput(law, p, i * stepHours));
    }
    return trial;
}

void ExpectRecovered(const LawFit& fit, const LawParameters& p, double tolerance) {
    ASSERT_TRUE(fit.Fitted) << fit.Reason;
    EXPECT_NEAR(fit.Params.J0 / p.J0, 1, tolerance);
    EXPECT_NEAR(fit.Params.K / p.K, 1, tolerance);
    EXPECT_NEAR(fit.Line.R2, 1, 1e-9);
}

// Noise-free trials of nine minutes with a reading every 15 s: the laws fitted
// on t/v are exact for their closed forms.
TEST(BlockingLaws, LawsFittedOnTimeOverThroughputRecoverTheirParameters) {
    const double area = test::LabArea47();
    for (const BlockingLaw law : {BlockingLaw::Standard, BlockingLaw::Cake}) {
        SCOPED_TRACE(LawKey(law));
        const LawParameters p = TypicalParameters(law);
        const Trial trial = ClosedFormTrial(law, p, 36, 15.0 / 3600);
        const LawFit fit = FitBlockingLaw(law, trial.hours, trial.throughput, area);
        ExpectRecovered(fit, p, 1e-9);
        EXPECT_LT(fit.RmsMl, 1e-9);
    }
}

// The flux laws use the flux of each interval, which stands for the flux at
// the interval's middle only to second order in its length: with intervals
// short against the fouling time the parameters come back exactly.
TEST(BlockingLaws, FluxLawsRecoverTheirParametersFromShortIntervals) {
    const double area = test::LabArea47();
    for (const BlockingLaw law : {BlockingLaw::Complete, BlockingLaw::Intermediate}) {
        SCOPED_TRACE(LawKey(law));
        const LawParameters p = TypicalParameters(law);
        // Kb·Δt and Ki·J0·Δt of 1e-5: the interval's error is about 1e-11.
        const double step = 1e-5 / (law == BlockingLaw::Complete ? p.K : p.K * p.J0);
        const Trial trial = ClosedFormTrial(law, p, 1000, step);
        ExpectRecovered(FitBlockingLaw(law, trial.hours, trial.throughput, area), p, 1e-9);
    }
}

// With equal intervals complete blocking's interval fluxes lie exactly on a
// line whose slope is -(2/Δt)·tanh(Kb·Δt/2) and which reaches zero flux at
// the true capacity J0/Kb; at trial spacing both come out to 1e-9.
TEST(BlockingLaws, CompleteBlockingAtTrialSpacingKeepsItsCapacity) {
    const LawParameters p = TypicalParameters(BlockingLaw::Complete);
    const double step = 15.0 / 3600;
    const Trial trial = ClosedFormTrial(BlockingLaw::Complete, p, 36, step);
    const LawFit fit =
        FitBlockingLaw(BlockingLaw::Complete, trial.hours, trial.throughput, test::LabArea47());
    ASSERT_TRUE(fit.Fitted);
    EXPECT_NEAR(fit.Params.J0 / fit.Params.K / (p.J0 / p.K), 1, 1e-9);
    EXPECT_NEAR(fit.Params.K / (2 / step * std::tanh(p.K * step / 2)), 1, 1e-9);
}

TEST(BlockingLaws, ClosedFormsStartAtTheOriginWithTheInitialFlux) {
    for (const BlockingLaw law : AllBlockingLaws) {
        SCOPED_TRACE(LawKey(law));
        const LawParameters p = TypicalParameters(law);
        const double h = 1e-7;
        EXPECT_EQ(ClosedFormThroughput(law, p, 0), 0);
        EXPECT_NEAR(ClosedFormThroughput(law, p, h) / h / p.J0, 1, 1e-3);
        // A zero constant is the clean filter, for every law but standard
        // blocking, whose clean filter is an infinite Vmax.
        const LawParameters clean{p.J0, law == BlockingLaw::Standard ? INFINITY : 0.0};
        EXPECT_DOUBLE_EQ(ClosedFormThroughput(law, clean, 0.1), p.J0 * 0.1);
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
            const LawFit fit = FitBlockingLaw(law, c.hours, c.throughput, 0.001);
            EXPECT_FALSE(fit.Fitted);
            EXPECT_EQ(fit.Reason, c.reason);
        }
    }
}

// A filter whose flux rises and one whose flux never changes describe no
// fouling: no law claims them.
TEST(BlockingLaws, UnphysicalParametersAreNotFittedWithTheirReason) {
    const std::vector<double> hours{1, 2, 3, 4, 5};
    const std::vector<double> rising{1, 3, 6, 10, 15};
    EXPECT_EQ(FitBlockingLaw(BlockingLaw::Complete, hours, rising, 0.001).Reason, "negative Kb");
    EXPECT_EQ(FitBlockingLaw(BlockingLaw::Intermediate, hours, rising, 0.001).Reason,
              "negative Ki");
    EXPECT_EQ(FitBlockingLaw(BlockingLaw::Standard, hours, rising, 0.001).Reason, "negative Vmax");
    EXPECT_EQ(FitBlockingLaw(BlockingLaw::Cake, hours, rising, 0.001).Reason, "negative Kc");

    const std::vector<double> steady{2, 4, 6, 8, 10};
    for (const BlockingLaw law : AllBlockingLaws) {
        SCOPED_TRACE(LawKey(law));
        EXPECT_FALSE(FitBlockingLaw(law, hours, steady, 0.001).Fitted);
    }
}

} // namespace
} // namespace zephra
