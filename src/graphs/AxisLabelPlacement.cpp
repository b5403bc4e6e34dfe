#include "graphs/AxisLabelPlacement.h"

#include "graphs/PlotMapping.h"

namespace zephra {

int XLabelLeft(const PixelRect& rect, const AxisRanges& ranges, double v, int textWidth) {
    return RoundToPixel(rect.Width() * v / ranges.MaxX + rect.Left - textWidth / 2.0);
}

int YLabelTop(const PixelRect& rect, const AxisRanges& ranges, double v, int textHeight) {
    return RoundToPixel(rect.Bottom -
                        rect.Height() * (v - ranges.MinY) / (ranges.MaxY - ranges.MinY) -
                        textHeight / 2.0);
}

} // namespace zephra
