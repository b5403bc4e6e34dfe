#include "graphs/AxisRanges.h"
#include "graphs/FloatingPointFault.h"
#include "graphs/PlotSeries.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace zephra {
namespace {

struct Point {
    double VA;
    double R;
};

PlotSeries SeriesOf(std::vector<Point> points) {
    PlotSeries s;
    s.Count = static_cast<int>(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        s.VA[i + 1] = points[i].VA;
        s.R[i + 1] = points[i].R;
    }
    return s;
}

TEST(LabAxisRanges, FollowsTheLastPointAndTheResistanceSpread) {
    const struct {
        const char* Name;
        std::vector<Point> Points;
        double RmP, RmE;
        AxisRanges Expected;
    } cases[] = {
        {"empty table", {{0, 0}}, 0, 0, {0, 0.5, 0, 20}},
        {"V/A 1.5 -> 2.0", {{0.1, 12}, {1.5, 14}}, 0, 0, {0, 2.0, 0, 30}},
        {"V/A 1.49 -> 1.5", {{0.1, 12}, {1.49, 14}}, 0, 0, {0, 1.5, 0, 30}},
        {"V/A 0.73 -> 1.0", {{0.73, 5}}, 0, 0, {0, 1.0, 0, 20}},
        {"V/A 12.2 -> 12.5", {{12.2, 5}}, 0, 0, {0, 12.5, 0, 20}},
        {"V/A capped at 100", {{250, 5}}, 0, 0, {0, 100, 0, 20}},
        {"negative V/A -> 0.5", {{-3, 5}}, 0, 0, {0, 0.5, 0, 20}},
        {"models above MinY keep it", {{0.2, 33}, {0.4, 47}}, 31, 32, {0, 0.5, 30, 50}},
        {"RmP below MinY -> 0", {{0.2, 33}, {0.4, 47}}, 29, 32, {0, 0.5, 0, 50}},
        {"RmE below MinY -> 0", {{0.2, 33}, {0.4, 47}}, 31, 29, {0, 0.5, 0, 50}},
        {"range over 100 -> 0", {{0.2, 30}, {0.4, 139}}, 31, 31, {0, 0.5, 0, 140}},
        {"MaxY strictly above", {{0.2, 30}, {0.4, 40}}, 31, 31, {0, 0.5, 30, 50}},
    };
    for (const auto& c : cases) {
        const AxisRanges r = LabAxisRanges(SeriesOf(c.Points), c.RmP, c.RmE);
        EXPECT_EQ(r.MinX, 0.0) << c.Name;
        EXPECT_EQ(r.MaxX, c.Expected.MaxX) << c.Name;
        EXPECT_EQ(r.MinY, c.Expected.MinY) << c.Name;
        EXPECT_EQ(r.MaxY, c.Expected.MaxY) << c.Name;
    }
}

TEST(LabAxisRanges, ANonFiniteResistanceIsAFault) {
    EXPECT_THROW(LabAxisRanges(SeriesOf({{0.1, std::numeric_limits<double>::infinity()}}), 0, 0),
                 FloatingPointFault);
    EXPECT_THROW(LabAxisRanges(SeriesOf({{0.1, 9e99}}), 0, 0), FloatingPointFault);
}

TEST(ProductionAxisRanges, WidensToWhereThePowerCurveMeetsTheTop) {
    const struct {
        const char* Name;
        std::vector<Point> Points;
        double RmP, BP, A, MaxProdR;
        double MaxX, MaxY;
    } cases[] = {
        // 1.05 * 120 / 10 = 12.6 -> 130; (130 - 5) / 40 = 3.125, ^(1/1.2) = 2.58.
        {"worked example", {{0.2, 20}, {0.8, 45}}, 5, 1.2, 40, 120, 3, 130},
        {"52 rounds down to 50", {{0.8, 52}}, 0, 0, 0, 0, 2, 50},
        {"no data", {{0, 0}}, 0, 0, 0, 0, 2, 10},
        {"RmP 0 ignores the curve", {{0.8, 45}}, 0, 1.2, 40, 120, 2, 130},
        {"a 0 ignores the curve", {{0.8, 45}}, 5, 1.2, 0, 120, 2, 130},
        {"MaxY not above RmP", {{0.8, 45}}, 130, 1.2, 40, 120, 2, 130},
        {"whole V/A plus one", {{4.0, 45}}, 0, 0, 0, 120, 5, 130},
        {"capped at 10001", {{0.8, 45}}, 5, 0.1, 40, 120, 10001, 130},
    };
    for (const auto& c : cases) {
        const AxisRanges r = ProductionAxisRanges(SeriesOf(c.Points), c.RmP, c.BP, c.A, c.MaxProdR);
        EXPECT_EQ(r.MinX, 0.0) << c.Name;
        EXPECT_EQ(r.MinY, 0.0) << c.Name;
        EXPECT_EQ(r.MaxX, c.MaxX) << c.Name;
        EXPECT_EQ(r.MaxY, c.MaxY) << c.Name;
    }
}

TEST(ProductionAxisRanges, AZeroExponentIsADivisionByZero) {
    try {
        ProductionAxisRanges(SeriesOf({{0.8, 45}}), 5, 0, 40, 120);
        FAIL();
    } catch (const FloatingPointFault& fault) {
        EXPECT_EQ(fault.Kind(), FaultKind::DivisionByZero);
    }
}

} // namespace
} // namespace zephra
