#pragma once

#include "graphs/PlotCanvas.h"

namespace zephra {

// Point markers of half-size h centred on `centre`, drawn with the canvas's
// pen. The cross (points not used) covers 2h + 1 pixels along each
// diagonal, the plus (used points) 2h + 1 pixels each way.
void DrawCrossMarker(PlotCanvas& canvas, PixelPoint centre, int h);
void DrawPlusMarker(PlotCanvas& canvas, PixelPoint centre, int h);

} // namespace zephra
