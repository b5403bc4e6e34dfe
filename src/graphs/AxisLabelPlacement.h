#pragma once

#include "graphs/AxisRanges.h"
#include "graphs/PixelGeometry.h"

namespace zephra {

// Left edge of an x-axis label centred on the pixel of value v, and top
// edge of a y-axis label centred on the pixel of value v (rounded to the
// nearest pixel, halves to even).
int XLabelLeft(const PixelRect& rect, const AxisRanges& ranges, double v, int textWidth);
int YLabelTop(const PixelRect& rect, const AxisRanges& ranges, double v, int textHeight);

} // namespace zephra
