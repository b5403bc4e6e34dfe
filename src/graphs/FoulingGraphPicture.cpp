#include "graphs/FoulingGraphPicture.h"

#include "document/Quantities.h"

#include "document/TextCatalog.h"
#include "entry/FixedText.h"
#include "graphs/GraphColours.h"
#include "graphs/Markers.h"
#include "graphs/PlotCanvas.h"
#include "graphs/PlotFrame.h"
#include "graphs/PlotMapping.h"
#include "graphs/XyChart.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace zephra {

namespace {

using namespace graph_colours;

constexpr int TextHeight = -11;
constexpr int CurveSteps = 300;

void DrawCurve(PlotCanvas& canvas, const AxisRanges& ranges, const LawFit& fit, double labAreaM2) {
    const LawPen pen = LawPenOf(fit.Law);
    canvas.PenColour = pen.Ink;
    canvas.PenKind = pen.Style;
    const auto volumeAt = [&](double minutes) {
        return Volume::Litres(
                   ClosedFormThroughput(fit.Law, fit.Params, Duration::Minutes(minutes).InHours()) *
                   labAreaM2)
            .InMl();
    };
    canvas.MoveTo(Translate(FoulingGraphPlotRect, ranges, 0, 0));
    double x0 = 0;
    double y0 = 0;
    for (int i = 1; i <= CurveSteps; ++i) {
        double x = ranges.MaxX * i / CurveSteps;
        double y = volumeAt(x);
        if (!std::isfinite(y)) {
            return;
        }
        const bool top = y > ranges.MaxY;
        if (top) {
            // Ends where the segment meets the top of the plot.
            x = x0 + (x - x0) * (ranges.MaxY - y0) / (y - y0);
            y = ranges.MaxY;
        }
        canvas.LineTo(Translate(FoulingGraphPlotRect, ranges, x, y));
        if (top) {
            return;
        }
        x0 = x;
        y0 = y;
    }
}

void DrawPoints(PlotCanvas& canvas, const AxisRanges& ranges, const FoulingAnalysis& a) {
    canvas.PenKind = PenStyle::Solid;
    const std::size_t firstUsed =
        a.FirstRow > 0 ? static_cast<std::size_t>(a.FirstRow - 1) : a.VolumeMl.size();
    for (std::size_t i = 0; i < a.VolumeMl.size() && i < a.Seconds.size(); ++i) {
        const PixelPoint p = Translate(FoulingGraphPlotRect, ranges,
                                       Duration::Seconds(a.Seconds[i]).InMinutes(), a.VolumeMl[i]);
        if (i < firstUsed) {
            canvas.PenColour = FireBrick;
            DrawCrossMarker(canvas, p, 2);
        } else {
            canvas.PenColour = Green;
            DrawPlusMarker(canvas, p, 3);
        }
    }
}

void DrawAxes(PlotCanvas& canvas, const AxisRanges& ranges, const ChartAxis& x,
              const ChartAxis& y) {
    const PixelRect& rect = FoulingGraphPlotRect;
    canvas.BrushColour = GhostWhite;
    for (int i = 0; i * x.Step <= x.Max + x.Step / 2; ++i) {
        const double v = i * x.Step;
        const int xv = Translate(rect, ranges, v, 0).X;
        const std::string label = FixedText(v, 0, x.Decimals);
        canvas.TextOut(xv - canvas.TextWidth(label) / 2, rect.Bottom + 7, label);
        canvas.MoveTo({xv, rect.Bottom});
        canvas.LineTo({xv, rect.Bottom + 4});
    }
    for (int i = 0; i * y.Step <= y.Max + y.Step / 2; ++i) {
        const double v = i * y.Step;
        const int yv = Translate(rect, ranges, 0, v).Y;
        const std::string label = FixedText(v, 0, y.Decimals);
        canvas.TextOut(rect.Left - canvas.TextWidth(label) - 7, yv - canvas.TextHeight(label) / 2,
                       label);
        canvas.MoveTo({rect.Left, yv});
        canvas.LineTo({rect.Left - 4, yv});
    }
    const std::string xTitle = "t (min)";
    canvas.TextOut(rect.Left + rect.Width() / 2 - canvas.TextWidth(xTitle) / 2, rect.Bottom + 28,
                   xTitle);
    const std::string yTitle = "V (ml)";
    canvas.Font.Rotated = true;
    canvas.TextOut(rect.Left - 58, rect.Top + rect.Height() / 2 + canvas.TextWidth(yTitle) / 2,
                   yTitle);
    canvas.Font.Rotated = false;
}

std::string LegendText(const FoulingAnalysis& a, const LawFit& fit) {
    std::string text = CoreText("FoulingAnalysis", LawTitle(fit.Law).data());
    if (!fit.Fitted) {
        text += " (" + CoreText("Graph", "not fitted") + ")";
    } else if (a.Best == fit.Law) {
        text += " (" + CoreText("Graph", "best") + ")";
    }
    return text;
}

void DrawLegend(PlotCanvas& canvas, const FoulingAnalysis& a) {
    const PixelRect& rect = FoulingGraphPlotRect;
    const int rowHeight = 18;
    const PixelRect box{rect.Right - 215, rect.Bottom - 8 - 6 * rowHeight - 10, rect.Right - 10,
                        rect.Bottom - 10};
    DrawLegendBox(canvas, box);

    const int symbolLeft = box.Left + 8;
    const int textLeft = box.Left + 44;
    int top = box.Top + 6;
    const auto text = [&](const std::string& entry) {
        canvas.TextRect({textLeft, top, box.Right - 4, top + rowHeight}, entry, TextAlign::Left);
    };
    for (const LawFit& fit : a.Laws) {
        const LawPen pen = LawPenOf(fit.Law);
        canvas.PenColour = pen.Ink;
        canvas.PenKind = pen.Style;
        const int y = top + rowHeight / 2;
        canvas.MoveTo({symbolLeft, y});
        canvas.LineTo({symbolLeft + 28, y});
        text(LegendText(a, fit));
        top += rowHeight;
    }
    canvas.PenKind = PenStyle::Solid;
    canvas.PenColour = Green;
    DrawPlusMarker(canvas, {symbolLeft + 14, top + rowHeight / 2}, 3);
    text(CoreText("Graph", "Data points"));
    top += rowHeight;
    canvas.PenColour = FireBrick;
    DrawCrossMarker(canvas, {symbolLeft + 14, top + rowHeight / 2}, 2);
    text(CoreText("Graph", "Unused data"));
}

} // namespace

LawPen LawPenOf(BlockingLaw law) {
    switch (law) {
    case BlockingLaw::Complete:
        return {{255, 140, 0}, PenStyle::Dashed}; // DarkOrange
    case BlockingLaw::Intermediate:
        return {DarkTurquoise, PenStyle::DashDot};
    case BlockingLaw::Standard:
        return {CornflowerBlue, PenStyle::Solid};
    case BlockingLaw::Cake:
        return {{199, 21, 133}, PenStyle::Dotted}; // MediumVioletRed
    }
    return {Black, PenStyle::Solid};
}

DisplayList DrawFoulingGraphPicture(const FoulingAnalysis& a, Colour windowText,
                                    const TextMetrics& metrics) {
    PlotCanvas canvas(FoulingGraphWidth, FoulingGraphHeight, metrics);
    canvas.FontColour = windowText;
    canvas.BrushColour = GhostWhite;
    canvas.PenColour = Black;
    canvas.Rectangle({0, 0, FoulingGraphWidth, FoulingGraphHeight});

    canvas.Font = FontSpec{-14, false};
    // The names in full where the analysis has them (AnalyzeWineFouling).
    const std::string& wine = a.FullWine.empty() ? a.Wine : a.FullWine;
    const std::string& filter = a.FullFilter.empty() ? a.Filter : a.FullFilter;
    canvas.TextRect({10, 16, FoulingGraphWidth - 10, 36}, wine + " - " + filter, TextAlign::Centre);
    canvas.Font = FontSpec{TextHeight, false};

    canvas.BrushColour = Ivory;
    canvas.FillRect(FoulingGraphPlotRect);

    double lastMinutes = 0;
    double largestVolume = 0;
    for (std::size_t i = 0; i < a.VolumeMl.size() && i < a.Seconds.size(); ++i) {
        lastMinutes = std::max(lastMinutes, Duration::Seconds(a.Seconds[i]).InMinutes());
        largestVolume = std::max(largestVolume, a.VolumeMl[i]);
    }
    const ChartAxis x = AxisCovering(lastMinutes);
    const ChartAxis y = AxisCovering(largestVolume * 1.05);
    const AxisRanges ranges{0, x.Max, 0, y.Max};

    for (const LawFit& fit : a.Laws) {
        if (fit.Fitted) {
            DrawCurve(canvas, ranges, fit, a.LabAreaM2);
        }
    }
    DrawPoints(canvas, ranges, a);
    DrawPlotFrame(canvas, FoulingGraphPlotRect);
    DrawAxes(canvas, ranges, x, y);
    DrawLegend(canvas, a);
    return std::move(canvas).Finish();
}

} // namespace zephra
