#include "graphs/PlotLayers.h"

#include "graphs/GraphColours.h"
#include "graphs/Markers.h"
#include "graphs/ModelCurves.h"
#include "graphs/PlotMapping.h"

#include <algorithm>
#include <vector>

namespace zephra {

namespace {

void DrawPolyline(PlotCanvas& canvas, const std::vector<PixelPoint>& points) {
    canvas.MoveTo(points.front());
    for (std::size_t i = 1; i < points.size(); ++i) {
        canvas.LineTo(points[i]);
    }
}

} // namespace

void DrawModelCurves(PlotCanvas& canvas, const PixelRect& rect, const AxisRanges& ranges,
                     const GraphData& data) {
    if (data.UsedPoints() < 4 || data.NegativeInterval) {
        return;
    }
    canvas.PenKind = PenStyle::Solid;
    if (!data.PowerModelFailed) {
        canvas.PenColour = graph_colours::CornflowerBlue;
        DrawPolyline(canvas, TracePowerCurve(rect, ranges, data.Power));
    }
    canvas.PenColour = graph_colours::DarkTurquoise;
    DrawPolyline(canvas, TraceExponentialCurve(rect, ranges, data.Exponential));
}

void DrawPointMarkers(PlotCanvas& canvas, const PixelRect& rect, const AxisRanges& ranges,
                      const GraphData& data, int crossH, int plusH) {
    canvas.PenKind = PenStyle::Solid;
    if (data.NegativeInterval) {
        return;
    }
    const PlotSeries& s = data.Series;
    // A skip count beyond the points read marks every point as not used;
    // there are no further points to draw.
    const int skipped = std::min(data.Skipped, s.Count);
    canvas.PenColour = graph_colours::FireBrick;
    for (int i = 1; i <= skipped; ++i) {
        DrawCrossMarker(canvas, Translate(rect, ranges, s.VA[i], s.R[i]), crossH);
    }
    canvas.PenColour = graph_colours::Green;
    for (int i = skipped + 1; i <= s.Count; ++i) {
        DrawPlusMarker(canvas, Translate(rect, ranges, s.VA[i], s.R[i]), plusH);
    }
}

} // namespace zephra
