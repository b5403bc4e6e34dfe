#pragma once

#include "graphs/DisplayList.h"
#include "graphs/PixelGeometry.h"

#include <cstdint>
#include <vector>

namespace zephra {

// One pixel of a rasterised line; Index counts the pixels from the line's
// start, so a pen pattern can follow the line even where it is clipped.
struct RasterPixel {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int64_t Index = 0;
    friend bool operator==(const RasterPixel&, const RasterPixel&) = default;
};

// The pixels of the line from `from` up to, but not including, `to`, in
// drawing order, keeping only those inside the picture [0, width) x
// [0, height). The line takes one pixel per step along its longer axis and
// the nearest pixel on the other axis (a tie goes away from the start). A
// line to its own start has no pixels. The work is bounded by the picture
// size, however far outside it the end points lie.
std::vector<RasterPixel> RasterLine(PixelPoint from, PixelPoint to, int width, int height);

// Whether a pen of `style` draws the pixel `index` pixels along its pattern.
bool PenDraws(PenStyle style, std::int64_t index);

} // namespace zephra
