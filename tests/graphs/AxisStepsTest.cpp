#include "graphs/AxisSteps.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

TEST(AxisSteps, TablesAreLookedUpByTheRoundedRange) {
    EXPECT_EQ(LabXLabelStep(0.5), 0.5);
    EXPECT_EQ(LabXLabelStep(2.5), 0.5); // m = 2 (halves to even)
    EXPECT_EQ(LabXLabelStep(3.5), 1.0); // m = 4
    EXPECT_EQ(LabXLabelStep(12.5), 5.0);
    EXPECT_EQ(LabXLabelStep(100), 10.0);
    EXPECT_EQ(LabXTickStep(2.0), 0.1);
    EXPECT_EQ(LabXTickStep(8.0), 0.5);
    EXPECT_EQ(LabXTickStep(30), 5.0);
    EXPECT_EQ(ProductionXStep(2), 1.0);
    EXPECT_EQ(ProductionXStep(31), 10.0);
    EXPECT_EQ(ProductionXStep(301), 100.0);
    EXPECT_EQ(ProductionXStep(3000), 500.0);
    EXPECT_EQ(ProductionXStep(10000), 1000.0);
    EXPECT_EQ(ProductionXStep(10001), std::nullopt);
    EXPECT_EQ(YLabelStep(0, 10), 1.0);
    EXPECT_EQ(YTickStep(0, 10), 0.5);
    EXPECT_EQ(YLabelStep(0, 20), 5.0);
    EXPECT_EQ(YTickStep(0, 20), 1.0);
    EXPECT_EQ(YLabelStep(0, 140), 50.0); // r = 14
    EXPECT_EQ(YTickStep(0, 130), 10.0);
    EXPECT_EQ(YLabelStep(0, 327670), 50000.0);
    EXPECT_EQ(YLabelStep(0, 327680), std::nullopt);
}

TEST(AxisStepValues, AccumulatesTheStepAndStopsAfterTheMaximum) {
    const std::vector<double> empty = AxisStepValues(0, 20, 5.0);
    EXPECT_EQ(empty, (std::vector<double>{0, 5, 10, 15, 20}));
    EXPECT_EQ(AxisStepValues(0, 0.5, 0.5), (std::vector<double>{0, 0.5}));
    EXPECT_EQ(AxisStepValues(0, 10001, std::nullopt), (std::vector<double>{0}));
}

TEST(AxisStepValues, TheRunningSumOvershootsSomeMaximaOfTheMinorTicks) {
    const struct {
        double MaxX;
        bool TickAtMax;
    } cases[] = {{0.5, true}, {1.0, true}, {1.5, false}, {2.0, false}, {2.5, false}};
    for (const auto& c : cases) {
        const std::vector<double> ticks = AxisStepValues(0, c.MaxX, 0.1);
        const double last = ticks.back();
        EXPECT_EQ(ticks.size(), static_cast<std::size_t>(c.MaxX * 10 + (c.TickAtMax ? 1 : 0)))
            << c.MaxX;
        EXPECT_EQ(std::abs(last - c.MaxX) < 1e-9, c.TickAtMax) << c.MaxX;
    }
    // Steps of 0.5 are exact: the tick at 8.0 is drawn.
    EXPECT_EQ(AxisStepValues(0, 8.0, 0.5).back(), 8.0);
}

TEST(AxisStepValues, EndsWhenTheStepIsLostInTheRunningSum) {
    EXPECT_EQ(AxisStepValues(1e18, 1e18 + 100, 10.0).size(), 1u);
}

} // namespace
} // namespace zephra
