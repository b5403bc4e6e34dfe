#include "graphs/PlotMapping.h"
#include "graphs/FloatingPointFault.h"

#include <gtest/gtest.h>

#include <limits>

namespace zephra {
namespace {

TEST(RoundToPixel, HalvesGoToTheEvenNeighbour) {
    const struct {
        double In;
        int Out;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.5001, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToPixel(c.In), c.Out) << c.In;
    }
}

TEST(RoundToPixel, NonFiniteAndOutOfRangeValuesAreFaults) {
    const struct {
        double In;
        FaultKind Kind;
    } cases[] = {{std::numeric_limits<double>::quiet_NaN(), FaultKind::InvalidOperation},
                 {std::numeric_limits<double>::infinity(), FaultKind::Overflow},
                 {-std::numeric_limits<double>::infinity(), FaultKind::Overflow},
                 {3e9, FaultKind::Overflow},
                 {-3e9, FaultKind::Overflow}};
    for (const auto& c : cases) {
        try {
            RoundToPixel(c.In);
            ADD_FAILURE() << c.In;
        } catch (const FloatingPointFault& fault) {
            EXPECT_EQ(fault.Kind(), c.Kind) << c.In;
        }
    }
}

TEST(Translate, MapsRangesOntoThePlotRectangle) {
    const AxisRanges ranges{0.0, 0.5, 0.0, 20.0};
    EXPECT_EQ(Translate(WineGraphPlotRect, ranges, 0.0, 0.0), (PixelPoint{35, 165}));
    EXPECT_EQ(Translate(WineGraphPlotRect, ranges, 0.5, 20.0), (PixelPoint{235, 15}));
    EXPECT_EQ(Translate(WineGraphPlotRect, ranges, 0.25, 10.0), (PixelPoint{135, 90}));
    // Nothing is clipped.
    EXPECT_EQ(Translate(WineGraphPlotRect, ranges, 1.0, -20.0), (PixelPoint{435, 315}));
}

TEST(Translate, AValueHalfwayBetweenPixelsGoesToTheEvenPixel) {
    // One unit per pixel on both axes: 35 + 2.5 = 37.5 -> 38, 35 + 3.5 = 38.5 -> 38.
    const AxisRanges ranges{0.0, 200.0, 0.0, 150.0};
    EXPECT_EQ(Translate(WineGraphPlotRect, ranges, 2.5, 0.0).X, 38);
    EXPECT_EQ(Translate(WineGraphPlotRect, ranges, 3.5, 0.0).X, 38);
    EXPECT_EQ(Translate(WineGraphPlotRect, ranges, 4.5, 0.0).X, 40);
    // 165 - 2.5 = 162.5 -> 162; 165 - 3.5 = 161.5 -> 162.
    EXPECT_EQ(Translate(WineGraphPlotRect, ranges, 0.0, 2.5).Y, 162);
    EXPECT_EQ(Translate(WineGraphPlotRect, ranges, 0.0, 3.5).Y, 162);
}

TEST(Translate, NeverMapsFromANaNOrAnInfiniteRange) {
    const AxisRanges ranges{0.0, 1.0, 0.0, 10.0};
    EXPECT_THROW(
        Translate(GraphWindowPlotRect, ranges, std::numeric_limits<double>::quiet_NaN(), 0),
        FloatingPointFault);
    EXPECT_THROW(Translate(GraphWindowPlotRect, ranges, 0.0, 1e300), FloatingPointFault);
    EXPECT_THROW(Translate(GraphWindowPlotRect, AxisRanges{0, 0, 0, 10}, 1.0, 0.0),
                 FloatingPointFault);
}

} // namespace
} // namespace zephra
