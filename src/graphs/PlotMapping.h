#pragma once

#include "graphs/AxisRanges.h"
#include "graphs/PixelGeometry.h"

#include <cstdint>

namespace zephra {

// Rounds to the nearest integer, halves to the even neighbour, as a 32-bit
// pixel coordinate. A NaN is an invalid operation; a value outside the
// 32-bit range an overflow (FloatingPointFault).
std::int32_t RoundToPixel(double x);

// Maps a data point to picture pixels: MinX to rect.Left, MaxX to
// rect.Right, MinY to rect.Bottom and MaxY to rect.Top. Nothing is clipped;
// values outside the ranges map outside the rectangle.
PixelPoint Translate(const PixelRect& rect, const AxisRanges& ranges, double x, double y);

} // namespace zephra
