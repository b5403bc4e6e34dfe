#pragma once

#include "graphs/PixelGeometry.h"
#include "graphs/PlotCanvas.h"

namespace zephra {

// The black frame around a graph window's plot rectangle, drawn with the
// current pen style; the brush is GhostWhite afterwards.
void DrawPlotFrame(PlotCanvas& canvas, const PixelRect& rect);

// A legend's box: filled with GhostWhite inside a one-pixel black frame; the
// brush is GhostWhite and the pen black afterwards.
void DrawLegendBox(PlotCanvas& canvas, const PixelRect& box);

} // namespace zephra
