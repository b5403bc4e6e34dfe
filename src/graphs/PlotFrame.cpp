#include "graphs/PlotFrame.h"

#include "graphs/GraphColours.h"

namespace zephra {

using namespace graph_colours;

void DrawPlotFrame(PlotCanvas& canvas, const PixelRect& rect) {
    canvas.PenColour = Black;
    canvas.BrushColour = GhostWhite;
    canvas.MoveTo({rect.Left, rect.Top});
    canvas.LineTo({rect.Left, rect.Bottom});
    canvas.LineTo({rect.Right, rect.Bottom});
    canvas.LineTo({rect.Right, rect.Top});
    canvas.LineTo({rect.Left, rect.Top});
}

void DrawLegendBox(PlotCanvas& canvas, const PixelRect& box) {
    canvas.BrushColour = GhostWhite;
    canvas.FillRect(box);
    canvas.BrushColour = Black;
    canvas.FrameRect(box);
    canvas.BrushColour = GhostWhite;
    canvas.PenColour = Black;
}

} // namespace zephra
