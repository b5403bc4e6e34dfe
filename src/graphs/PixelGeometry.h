#pragma once

#include <cstdint>

namespace zephra {

// A pixel position in a picture: x to the right, y downward.
struct PixelPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// A rectangle of picture pixels. As everywhere in the drawing code, Right
// and Bottom are one past the last column and row inside it.
struct PixelRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;

    std::int32_t Width() const { return Right - Left; }
    std::int32_t Height() const { return Bottom - Top; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The plot rectangles of the three graphs. The mapping puts the axis minima
// on Left and Bottom and the maxima on Right and Top.
inline constexpr PixelRect WineGraphPlotRect{35, 15, 235, 165};
inline constexpr PixelRect GraphWindowPlotRect{70, 60, 630, 540};

} // namespace zephra
