#include "graphs/WineGraphPicture.h"

#include "entry/FixedText.h"
#include "graphs/AxisLabelPlacement.h"
#include "graphs/AxisSteps.h"
#include "graphs/GraphColours.h"
#include "graphs/GraphData.h"
#include "graphs/PlotCanvas.h"
#include "graphs/PlotLayers.h"
#include "graphs/PlotMapping.h"

#include <string>

namespace zephra {

namespace {

void DrawAxisTitles(PlotCanvas& canvas, const PixelRect& rect, int pictureWidth) {
    canvas.Font = FontSpec{RoundToPixel(0.045 * pictureWidth), false};
    const std::string xTitle = "V/A";
    canvas.TextOut(RoundToPixel(rect.Width() / 2.0 + rect.Left - canvas.TextWidth(xTitle) / 2.0),
                   rect.Bottom + 16, xTitle);

    // Read upward: "R", a small "X", "10" and a raised small "9". The cells
    // of "10" and "9" overlap, so these parts are drawn without their cells
    // (over the background of the same colour) and neither erases the other.
    const double middle = rect.Bottom - rect.Height() / 2.0;
    canvas.Font.Rotated = true;
    canvas.BrushClear = true;
    canvas.TextOut(rect.Left - 34, RoundToPixel(middle + 12), "R");
    canvas.TextOut(rect.Left - 34, RoundToPixel(middle), "10");
    canvas.Font.Height = RoundToPixel(0.7 * canvas.Font.Height);
    canvas.TextOut(rect.Left - 32, RoundToPixel(middle + 5), "X");
    canvas.TextOut(rect.Left - 35, RoundToPixel(middle - 10), "9");
    // The labels keep the reduced height.
    canvas.Font.Rotated = false;
    canvas.BrushClear = false;
}

void DrawXAxis(PlotCanvas& canvas, const PixelRect& rect, const AxisRanges& ranges) {
    for (const double v : AxisStepValues(0.0, ranges.MaxX, LabXLabelStep(ranges.MaxX))) {
        const std::string label = FixedText(v, 3, 1);
        canvas.TextOut(XLabelLeft(rect, ranges, v, canvas.TextWidth(label)), rect.Bottom + 7,
                       label);
        const int xv = Translate(rect, ranges, v, ranges.MinY).X;
        canvas.MoveTo({xv, rect.Bottom});
        canvas.LineTo({xv, rect.Bottom + 4});
    }
}

void DrawYAxis(PlotCanvas& canvas, const PixelRect& rect, const AxisRanges& ranges) {
    const AxisStep step = YLabelStep(ranges.MinY, ranges.MaxY);
    for (const double v : AxisStepValues(ranges.MinY, ranges.MaxY, step)) {
        const std::string label = FixedText(v, 5, 0);
        canvas.TextOut(rect.Left - canvas.TextWidth(label) - 7,
                       YLabelTop(rect, ranges, v, canvas.TextHeight(label)), label);
        const int yv = Translate(rect, ranges, 0.0, v).Y;
        canvas.MoveTo({rect.Left, yv});
        canvas.LineTo({rect.Left - 4, yv});
    }
}

} // namespace

DisplayList DrawWineGraph(const TWineRec& rec, int width, int height, const DesktopColours& colours,
                          const TextMetrics& metrics) {
    const PixelRect rect = WineGraphPlotRect;
    PlotCanvas canvas(width, height, metrics);
    canvas.FontColour = colours.WindowText;

    canvas.BrushColour = colours.ButtonFace;
    canvas.FillRect({0, 0, width, height});
    canvas.BrushColour = graph_colours::GhostWhite;
    canvas.FillRect(rect);

    const GraphData data = ReadGraphData(rec);
    const AxisRanges ranges = LabAxisRanges(data.Series, data.Power.RmP, data.Exponential.RmE);
    DrawModelCurves(canvas, rect, ranges, data);
    DrawPointMarkers(canvas, rect, ranges, data, 1, 2);

    canvas.PenColour = graph_colours::Black;
    canvas.BrushColour = colours.ButtonFace;
    canvas.MoveTo({rect.Left, rect.Top});
    canvas.LineTo({rect.Left, rect.Bottom});
    canvas.LineTo({rect.Right, rect.Bottom});
    canvas.LineTo({rect.Right, rect.Top});
    canvas.LineTo({rect.Left, rect.Top});

    DrawAxisTitles(canvas, rect, width);
    DrawXAxis(canvas, rect, ranges);
    DrawYAxis(canvas, rect, ranges);
    return std::move(canvas).Finish();
}

} // namespace zephra
