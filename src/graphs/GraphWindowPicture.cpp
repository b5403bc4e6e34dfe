#include "graphs/GraphWindowPicture.h"

#include "document/TextCatalog.h"
#include "document/Windows1252.h"
#include "entry/ControlCharacters.h"
#include "entry/FixedText.h"
#include "graphs/AxisLabelPlacement.h"
#include "graphs/AxisSteps.h"
#include "graphs/GraphColours.h"
#include "graphs/GraphData.h"
#include "graphs/Markers.h"
#include "graphs/PlotCanvas.h"
#include "graphs/PlotFrame.h"
#include "graphs/PlotLayers.h"
#include "graphs/PlotMapping.h"

#include <string>

namespace zephra {

namespace {

using namespace graph_colours;

constexpr int TextHeight = -11;

void DrawTitle(PlotCanvas& canvas, const TWineRec& rec) {
    // Control characters of a damaged or foreign wine shown as escapes.
    const std::string title =
        VisibleControlCharacters(Win1252ToUtf8(rec.Conditions.WineName.text()) + " - " +
                                 Win1252ToUtf8(rec.Conditions.FilterName.text()));
    canvas.Font = FontSpec{-14, false};
    canvas.TextRect({10, 20, 690, 40}, title, TextAlign::Centre);
    canvas.Font = FontSpec{TextHeight, false};
}

void DrawMaxResistanceLine(PlotCanvas& canvas, const PixelRect& rect, const AxisRanges& ranges,
                           double maxProdR) {
    canvas.PenKind = PenStyle::Dotted;
    canvas.PenColour = Blue;
    const int y = Translate(rect, ranges, 0.0, maxProdR).Y;
    canvas.MoveTo({rect.Left, y});
    canvas.LineTo({rect.Right, y});
}

void DrawAxisTitles(PlotCanvas& canvas, const PixelRect& rect) {
    const std::string xTitle = "V/A (m)";
    canvas.TextOut(RoundToPixel(rect.Width() / 2.0 + rect.Left - canvas.TextWidth(xTitle) / 2.0),
                   rect.Bottom + 28, xTitle);

    // "R (1/m x 10^9)": the small "X", the "10" and the raised "9" fill the
    // blank run of the first text.
    const int h2 = RoundToPixel(rect.Bottom - rect.Height() / 2.0);
    canvas.Font.Rotated = true;
    canvas.TextOut(rect.Left - 45, h2 + 30, "R  (1/m         )");
    canvas.Font.Height = RoundToPixel(0.6 * canvas.Font.Height);
    canvas.TextOut(rect.Left - 42, h2 - 8, "X");
    canvas.Font.Height = TextHeight;
    canvas.TextOut(rect.Left - 45, h2 - 14, "10");
    canvas.Font.Height = RoundToPixel(0.7 * canvas.Font.Height);
    canvas.TextOut(rect.Left - 47, h2 - 27, "9");
    canvas.Font = FontSpec{TextHeight, false};
}

void DrawXAxis(PlotCanvas& canvas, const PixelRect& rect, const AxisRanges& ranges,
               GraphScale scale) {
    const bool production = scale == GraphScale::Production;
    const AxisStep labelStep =
        production ? ProductionXStep(ranges.MaxX) : LabXLabelStep(ranges.MaxX);
    const AxisStep tickStep = production ? ProductionXStep(ranges.MaxX) : LabXTickStep(ranges.MaxX);
    for (const double v : AxisStepValues(0.0, ranges.MaxX, labelStep)) {
        const std::string label = FixedText(v, 3, production ? 0 : 1);
        canvas.TextOut(XLabelLeft(rect, ranges, v, canvas.TextWidth(label)), rect.Bottom + 7,
                       label);
    }
    for (const double v : AxisStepValues(0.0, ranges.MaxX, tickStep)) {
        const int xv = Translate(rect, ranges, v, ranges.MinY).X;
        canvas.MoveTo({xv, rect.Bottom});
        canvas.LineTo({xv, rect.Bottom + 4});
    }
}

void DrawYAxis(PlotCanvas& canvas, const PixelRect& rect, const AxisRanges& ranges) {
    for (const double v :
         AxisStepValues(ranges.MinY, ranges.MaxY, YLabelStep(ranges.MinY, ranges.MaxY))) {
        const std::string label = FixedText(v, 5, 0);
        canvas.TextOut(rect.Left - canvas.TextWidth(label) - 7,
                       YLabelTop(rect, ranges, v, canvas.TextHeight(label)), label);
    }
    for (const double v :
         AxisStepValues(ranges.MinY, ranges.MaxY, YTickStep(ranges.MinY, ranges.MaxY))) {
        const int yv = Translate(rect, ranges, 0.0, v).Y;
        canvas.MoveTo({rect.Left, yv});
        canvas.LineTo({rect.Left - 4, yv});
    }
}

void DrawLegendLine(PlotCanvas& canvas, Colour colour, PixelPoint from, PixelPoint to) {
    canvas.PenColour = colour;
    canvas.MoveTo(from);
    canvas.LineTo(to);
}

void DrawLegend(PlotCanvas& canvas, const PixelRect& rect, GraphScale scale) {
    const bool production = scale == GraphScale::Production;
    const PixelRect box{rect.Right - 152, rect.Bottom - (production ? 125 : 105), rect.Right - 15,
                        rect.Bottom - 25};
    DrawLegendBox(canvas, box);

    const int textLeft = rect.Right - 116;
    const auto entry = [&](int topFromBottom, const std::string& text) {
        const int top = rect.Bottom - topFromBottom;
        canvas.TextRect({textLeft, top, textLeft + 110, top + 20}, text, TextAlign::Left);
    };
    if (production) {
        entry(122, CoreText("Graph", "Max Resistance"));
    }
    entry(102, CoreText("Graph", "Power Model Curve"));
    entry(82, CoreText("Graph", "Exponential Curve"));
    entry(62, CoreText("Graph", "Data Points"));
    entry(42, CoreText("Graph", "Unused Data"));

    if (production) {
        canvas.PenKind = PenStyle::Dotted;
        DrawLegendLine(canvas, Blue, {rect.Right - 141, rect.Bottom - 115},
                       {rect.Right - 125, rect.Bottom - 115});
        canvas.PenKind = PenStyle::Solid;
    }
    DrawLegendLine(canvas, CornflowerBlue, {rect.Right - 142, rect.Bottom - 95},
                   {rect.Right - 125, rect.Bottom - 95});
    DrawLegendLine(canvas, DarkTurquoise, {rect.Right - 142, rect.Bottom - 75},
                   {rect.Right - 125, rect.Bottom - 75});
    canvas.PenColour = Green;
    DrawPlusMarker(canvas, {rect.Right - 134, rect.Bottom - 55}, 3);
    canvas.PenColour = FireBrick;
    DrawCrossMarker(canvas, {rect.Right - 134, rect.Bottom - 35}, 2);
}

} // namespace

DisplayList DrawGraphWindowPicture(const TWineRec& rec, GraphScale scale, Colour windowText,
                                   const TextMetrics& metrics) {
    const PixelRect rect = GraphWindowPlotRect;
    PlotCanvas canvas(GraphWindowWidth, GraphWindowHeight, metrics);
    canvas.FontColour = windowText;

    canvas.BrushColour = GhostWhite;
    canvas.PenColour = Black;
    canvas.Rectangle({0, 0, GraphWindowWidth, GraphWindowHeight});
    DrawTitle(canvas, rec);

    canvas.BrushColour = Ivory;
    canvas.FillRect(rect);

    const GraphData data = ReadGraphData(rec);
    const AxisRanges ranges =
        scale == GraphScale::Production
            ? ProductionAxisRanges(data.Series, data.Power.RmP, data.Power.BP, data.Power.A,
                                   data.MaxProdR)
            : LabAxisRanges(data.Series, data.Power.RmP, data.Exponential.RmE);
    DrawModelCurves(canvas, rect, ranges, data);
    if (scale == GraphScale::Production) {
        DrawMaxResistanceLine(canvas, rect, ranges, data.MaxProdR);
    }
    DrawPointMarkers(canvas, rect, ranges, data, 2, 3);

    DrawPlotFrame(canvas, rect);
    DrawAxisTitles(canvas, rect);
    DrawXAxis(canvas, rect, ranges, scale);
    DrawYAxis(canvas, rect, ranges);
    DrawLegend(canvas, rect, scale);
    return std::move(canvas).Finish();
}

} // namespace zephra
