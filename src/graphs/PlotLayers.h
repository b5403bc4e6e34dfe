#pragma once

#include "graphs/AxisRanges.h"
#include "graphs/GraphData.h"
#include "graphs/PixelGeometry.h"
#include "graphs/PlotCanvas.h"

namespace zephra {

// Draws the two model curves (power in CornflowerBlue, exponential in
// DarkTurquoise, solid pen) when at least four points are used and the
// calculation did not stop at a non-positive interval. The power curve is
// left out when the power fit found no result: its blank fields hold no
// curve to draw.
void DrawModelCurves(PlotCanvas& canvas, const PixelRect& rect, const AxisRanges& ranges,
                     const GraphData& data);

// Draws the points (FireBrick crosses of half-size crossH for the points
// not used, green pluses of half-size plusH for the used ones), unless the
// calculation stopped at a non-positive interval. Either way the pen is
// solid afterwards.
void DrawPointMarkers(PlotCanvas& canvas, const PixelRect& rect, const AxisRanges& ranges,
                      const GraphData& data, int crossH, int plusH);

} // namespace zephra
