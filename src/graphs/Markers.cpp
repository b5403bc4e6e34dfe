#include "graphs/Markers.h"

namespace zephra {

void DrawCrossMarker(PlotCanvas& canvas, PixelPoint c, int h) {
    canvas.MoveTo({c.X - h, c.Y - h});
    canvas.LineTo({c.X + h + 1, c.Y + h + 1});
    canvas.MoveTo({c.X - h, c.Y + h});
    canvas.LineTo({c.X + h + 1, c.Y - h - 1});
}

void DrawPlusMarker(PlotCanvas& canvas, PixelPoint c, int h) {
    canvas.MoveTo({c.X - h, c.Y});
    canvas.LineTo({c.X + h + 1, c.Y});
    canvas.MoveTo({c.X, c.Y - h});
    canvas.LineTo({c.X, c.Y + h + 1});
}

} // namespace zephra
