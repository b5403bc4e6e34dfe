#include "graphs/LineRaster.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

std::vector<PixelPoint> PixelsOf(PixelPoint from, PixelPoint to, int w = 100, int h = 100) {
    std::vector<PixelPoint> points;
    for (const RasterPixel& p : RasterLine(from, to, w, h)) {
        points.push_back({p.X, p.Y});
    }
    return points;
}

TEST(RasterLine, NeverIncludesTheEndPixel) {
    EXPECT_EQ(PixelsOf({10, 5}, {13, 5}), (std::vector<PixelPoint>{{10, 5}, {11, 5}, {12, 5}}));
    EXPECT_EQ(PixelsOf({13, 5}, {10, 5}), (std::vector<PixelPoint>{{13, 5}, {12, 5}, {11, 5}}));
    EXPECT_EQ(PixelsOf({35, 165}, {35, 169}, 250, 200),
              (std::vector<PixelPoint>{{35, 165}, {35, 166}, {35, 167}, {35, 168}}));
    EXPECT_EQ(PixelsOf({3, 3}, {0, 6}), (std::vector<PixelPoint>{{3, 3}, {2, 4}, {1, 5}}));
    EXPECT_TRUE(PixelsOf({4, 4}, {4, 4}).empty());
}

TEST(RasterLine, TakesOnePixelPerStepAlongTheLongerAxis) {
    EXPECT_EQ(PixelsOf({0, 0}, {4, 2}), (std::vector<PixelPoint>{{0, 0}, {1, 1}, {2, 1}, {3, 2}}));
    EXPECT_EQ(PixelsOf({0, 0}, {1, 3}), (std::vector<PixelPoint>{{0, 0}, {0, 1}, {1, 2}}));
}

TEST(RasterLine, ClipsToThePictureAndKeepsThePatternIndex) {
    const std::vector<RasterPixel> pixels = RasterLine({-5, 2}, {3, 2}, 10, 10);
    ASSERT_EQ(pixels.size(), 3u);
    EXPECT_EQ(pixels.front(), (RasterPixel{0, 2, 5}));
    EXPECT_EQ(pixels.back(), (RasterPixel{2, 2, 7}));
    EXPECT_TRUE(RasterLine({0, 20}, {9, 20}, 10, 10).empty());
}

TEST(RasterLine, AHugeLineCostsOnlyWhatIsVisible) {
    const std::vector<RasterPixel> pixels =
        RasterLine({-2'000'000'000, 50}, {2'000'000'000, 50}, 700, 600);
    ASSERT_EQ(pixels.size(), 700u);
    EXPECT_EQ(pixels.front().X, 0);
    EXPECT_EQ(pixels.back().X, 699);
    // A steep line far outside on both ends crosses the picture near its middle.
    const std::vector<RasterPixel> steep =
        RasterLine({-2'000'000'000, -2'000'000'000}, {2'000'000'000, 2'000'000'000}, 700, 600);
    ASSERT_EQ(steep.size(), 600u);
    EXPECT_EQ(steep.front(), (RasterPixel{0, 0, 2'000'000'000}));
}

} // namespace
} // namespace zephra
