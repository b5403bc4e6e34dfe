#include "graphs/XyChart.h"

#include "entry/FixedText.h"
#include "graphs/GraphColours.h"
#include "graphs/PlotCanvas.h"
#include "graphs/PlotMapping.h"

#include <algorithm>
#include <cmath>

namespace zephra {

namespace {

using namespace graph_colours;

// A line of a series from one point to the next, both finite.
struct Segment {
    ChartPoint From;
    ChartPoint To;
};

bool Finite(const ChartPoint& p) {
    return std::isfinite(p.X) && std::isfinite(p.Y);
}

// The part of the segment inside the ranges (Liang-Barsky), if any.
std::optional<Segment> Clipped(Segment s, const AxisRanges& r) {
    const double dx = s.To.X - s.From.X;
    const double dy = s.To.Y - s.From.Y;
    double t0 = 0;
    double t1 = 1;
    const auto edge = [&](double p, double q) {
        if (p == 0) {
            return q >= 0;
        }
        const double t = q / p;
        if (p < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        return t0 <= t1;
    };
    if (!edge(-dx, s.From.X - r.MinX) || !edge(dx, r.MaxX - s.From.X) ||
        !edge(-dy, s.From.Y - r.MinY) || !edge(dy, r.MaxY - s.From.Y)) {
        return std::nullopt;
    }
    return Segment{{s.From.X + t0 * dx, s.From.Y + t0 * dy},
                   {s.From.X + t1 * dx, s.From.Y + t1 * dy}};
}

bool Inside(const ChartPoint& p, const AxisRanges& r) {
    return p.X >= r.MinX && p.X <= r.MaxX && p.Y >= r.MinY && p.Y <= r.MaxY;
}

// A line `thickness` pixels thick: parallel one-pixel lines across it.
void ThickLine(PlotCanvas& canvas, PixelPoint from, PixelPoint to, int thickness) {
    const bool flat = std::abs(to.X - from.X) >= std::abs(to.Y - from.Y);
    for (int k = 0; k < thickness; ++k) {
        const int d = k - thickness / 2;
        const PixelPoint shift = flat ? PixelPoint{0, d} : PixelPoint{d, 0};
        canvas.MoveTo({from.X + shift.X, from.Y + shift.Y});
        canvas.LineTo({to.X + shift.X, to.Y + shift.Y});
    }
}

void ThickPolyline(PlotCanvas& canvas, const std::vector<PixelPoint>& points, int thickness) {
    for (int k = 0; k < thickness; ++k) {
        const int d = k - thickness / 2;
        canvas.MoveTo({points.front().X, points.front().Y + d});
        for (std::size_t i = 1; i < points.size(); ++i) {
            canvas.LineTo({points[i].X, points[i].Y + d});
        }
    }
}

void Polygon(PlotCanvas& canvas, const std::vector<PixelPoint>& corners, int thickness) {
    for (std::size_t i = 0; i < corners.size(); ++i) {
        ThickLine(canvas, corners[i], corners[(i + 1) % corners.size()], thickness);
    }
}

void DrawMarker(PlotCanvas& canvas, MarkerShape shape, PixelPoint c, int h, int thickness) {
    const auto at = [c](int dx, int dy) { return PixelPoint{c.X + dx, c.Y + dy}; };
    switch (shape) {
    case MarkerShape::None:
        return;
    case MarkerShape::Plus:
        ThickLine(canvas, at(-h, 0), at(h + 1, 0), thickness);
        ThickLine(canvas, at(0, -h), at(0, h + 1), thickness);
        return;
    case MarkerShape::Cross:
        ThickLine(canvas, at(-h, -h), at(h + 1, h + 1), thickness);
        ThickLine(canvas, at(-h, h), at(h + 1, -h - 1), thickness);
        return;
    case MarkerShape::Square:
        Polygon(canvas, {at(-h, -h), at(h, -h), at(h, h), at(-h, h)}, thickness);
        return;
    case MarkerShape::Diamond:
        Polygon(canvas, {at(0, -h), at(h, 0), at(0, h), at(-h, 0)}, thickness);
        return;
    case MarkerShape::Triangle:
        Polygon(canvas, {at(0, -h), at(h, h), at(-h, h)}, thickness);
        return;
    case MarkerShape::Circle: {
        std::vector<PixelPoint> corners;
        for (int i = 0; i < 12; ++i) {
            const double a = i * 3.14159265358979 / 6;
            corners.push_back(at(static_cast<int>(std::lround(h * std::cos(a))),
                                 static_cast<int>(std::lround(h * std::sin(a)))));
        }
        Polygon(canvas, corners, thickness);
        return;
    }
    }
}

ChartSpan Spanning(const std::optional<ChartSpan>& given, const std::vector<ChartSeries>& series,
                   double ChartPoint::*coordinate) {
    if (given) {
        return *given;
    }
    double largest = 0;
    for (const ChartSeries& s : series) {
        for (const ChartPoint& p : s.Points) {
            if (Finite(p)) {
                largest = std::max(largest, p.*coordinate);
            }
        }
    }
    return {0, largest};
}

std::vector<double> AxisValues(const ChartAxis& axis) {
    std::vector<double> values;
    if (!(axis.Step > 0) || !(axis.Max > axis.Min)) {
        return values;
    }
    for (int i = 0; axis.Min + i * axis.Step <= axis.Max + axis.Step / 2 && i <= 100; ++i) {
        values.push_back(axis.Min + i * axis.Step);
    }
    return values;
}

// The series' joined segments inside the ranges in picture pixels, as runs
// of polylines, so that a dash pattern runs on along a curve.
std::vector<std::vector<PixelPoint>> VisibleRuns(const ChartSeries& s, const PixelRect& plot,
                                                 const AxisRanges& ranges) {
    std::vector<std::vector<PixelPoint>> runs;
    bool open = false;
    for (std::size_t i = 1; i < s.Points.size(); ++i) {
        const auto part = Finite(s.Points[i - 1]) && Finite(s.Points[i])
                              ? Clipped({s.Points[i - 1], s.Points[i]}, ranges)
                              : std::nullopt;
        if (!part) {
            open = false;
            continue;
        }
        if (!open) {
            runs.push_back({Translate(plot, ranges, part->From.X, part->From.Y)});
        }
        runs.back().push_back(Translate(plot, ranges, part->To.X, part->To.Y));
        // A segment cut at its end leaves the plot there.
        open = part->To.X == s.Points[i].X && part->To.Y == s.Points[i].Y;
    }
    return runs;
}

// Where a legend entry goes: its row and left edge.
struct LegendPlace {
    int Row = 0;
    int Left = 0;
};

} // namespace

ChartAxis AxisBetween(double low, double high, int maxSteps) {
    const double span = high - low;
    if (!(span > 0) || !std::isfinite(span) || maxSteps < 1) {
        return {0, 1, 0.2, 1};
    }
    const double power = std::pow(10.0, std::floor(std::log10(span / maxSteps)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0, 20.0}) {
        const double step = factor * power;
        const double first = std::floor(low / step + 1e-9);
        const double last = std::ceil(high / step - 1e-9);
        if (last - first <= maxSteps) {
            const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step))));
            return {first * step, last * step, step, decimals};
        }
    }
    return {0, 1, 0.2, 1};
}

ChartAxis AxisCovering(double largest) {
    return AxisBetween(0, largest, 10);
}

DisplayList DrawChart(const Chart& chart, const ChartSize& size, const TextMetrics& metrics) {
    PlotCanvas canvas(size.Width, size.Height, metrics);
    const int line = std::max(size.LinePixels, 1);
    const int em = std::max(size.TextPixels, 1);
    const int gap = (em + 1) / 2;
    canvas.Font = FontSpec{-em, false};
    canvas.BrushColour = {255, 255, 255};
    canvas.FillRect({0, 0, size.Width, size.Height});
    canvas.BrushClear = true;

    const int textHeight = canvas.TextHeight("0");

    // The legend: its entries flow in rows under the x axis' title.
    const int markerRoom = 2 * em;
    std::vector<LegendPlace> places;
    int rows = 0;
    int cursor = gap;
    for (const ChartSeries& s : chart.Series) {
        if (s.Label.empty()) {
            places.push_back({-1, 0});
            continue;
        }
        const int width = markerRoom + canvas.TextWidth(s.Label) + em;
        if (rows == 0 || (cursor + width > size.Width - gap && cursor > gap)) {
            ++rows;
            cursor = gap;
        }
        places.push_back({rows - 1, cursor});
        cursor += width;
    }

    int top = gap;
    if (!chart.Title.empty()) {
        canvas.TextOut(std::max(0, (size.Width - canvas.TextWidth(chart.Title)) / 2), top,
                       chart.Title);
        top += textHeight + gap;
    }
    // The labels at the ends of the y axis reach half a line beyond the
    // plot: they keep clear of the y title above and the x labels below.
    const int labelClearance = std::max(gap, textHeight / 2 + 1);
    canvas.TextOut(gap, top, chart.YTitle);
    top += textHeight + labelClearance;
    // Legend rows a little apart: a viewer's box of a word is taller than
    // the font's cell.
    const int rowPitch = textHeight + std::max(1, em / 10);
    const int legendTop = size.Height - gap - rows * rowPitch;
    const int xTitleTop = legendTop - (rows > 0 ? gap : 0) - textHeight;
    const int bottom = std::max(xTitleTop - gap - textHeight - labelClearance, top + 1);

    // Room for a label about every six ems across and three text lines up.
    const ChartSpan xSpan = Spanning(chart.X, chart.Series, &ChartPoint::X);
    const ChartSpan ySpan = Spanning(chart.Y, chart.Series, &ChartPoint::Y);
    const ChartAxis y =
        AxisBetween(ySpan.Low, ySpan.High, std::clamp((bottom - top) / (3 * textHeight), 1, 10));
    const std::vector<double> yValues = AxisValues(y);
    int widestY = 0;
    for (const double v : yValues) {
        widestY = std::max(widestY, canvas.TextWidth(FixedText(v, 0, y.Decimals)));
    }
    const ChartAxis x = AxisBetween(xSpan.Low, xSpan.High,
                                    std::clamp((size.Width - widestY - 2 * gap) / (6 * em), 2, 10));
    const std::vector<double> xValues = AxisValues(x);
    // The y labels end left of the first x label, centred on the corner.
    const int yLabelGap =
        xValues.empty()
            ? gap
            : std::max(gap,
                       canvas.TextWidth(FixedText(xValues.front(), 0, x.Decimals)) / 2 + gap / 2);
    const int left = gap + widestY + yLabelGap;
    const int lastXHalf =
        xValues.empty() ? 0 : canvas.TextWidth(FixedText(xValues.back(), 0, x.Decimals)) / 2;
    const int right = size.Width - std::max(gap, lastXHalf + 2);
    const PixelRect plot{left, top, std::max(right, left + 1), bottom};
    const AxisRanges ranges{x.Min, x.Max, y.Min, y.Max};

    canvas.BrushColour = Ivory;
    canvas.FillRect(plot);
    canvas.PenColour = {220, 220, 220};
    for (const double v : yValues) {
        const int yv = Translate(plot, ranges, x.Min, v).Y;
        canvas.MoveTo({plot.Left, yv});
        canvas.LineTo({plot.Right, yv});
    }

    // Markers first, lines over them, so that a curve stays visible along
    // dense points.
    const int h = std::max(2, em * 3 / 10);
    for (const ChartSeries& s : chart.Series) {
        canvas.PenColour = s.Ink;
        canvas.PenKind = PenStyle::Solid;
        for (const ChartPoint& p : s.Points) {
            if (Finite(p) && Inside(p, ranges)) {
                DrawMarker(canvas, s.Marker, Translate(plot, ranges, p.X, p.Y), h, line);
            }
        }
    }
    for (const ChartSeries& s : chart.Series) {
        if (s.Joined) {
            canvas.PenColour = s.Ink;
            canvas.PenKind = s.Style;
            for (const std::vector<PixelPoint>& run : VisibleRuns(s, plot, ranges)) {
                ThickPolyline(canvas, run, line);
            }
        }
    }

    canvas.PenColour = Black;
    canvas.PenKind = PenStyle::Solid;
    canvas.BrushColour = Black;
    canvas.FrameRect(plot);
    const int tick = gap;
    for (const double v : xValues) {
        const int xv = Translate(plot, ranges, v, y.Min).X;
        ThickLine(canvas, {xv, plot.Bottom}, {xv, plot.Bottom + tick}, line);
        const std::string label = FixedText(v, 0, x.Decimals);
        canvas.TextOut(xv - canvas.TextWidth(label) / 2, plot.Bottom + labelClearance, label);
    }
    for (const double v : yValues) {
        const int yv = Translate(plot, ranges, x.Min, v).Y;
        ThickLine(canvas, {plot.Left - tick, yv}, {plot.Left, yv}, line);
        const std::string label = FixedText(v, 0, y.Decimals);
        canvas.TextOut(plot.Left - yLabelGap - canvas.TextWidth(label), yv - textHeight / 2, label);
    }
    canvas.TextOut(plot.Left + (plot.Width() - canvas.TextWidth(chart.XTitle)) / 2, xTitleTop,
                   chart.XTitle);

    for (std::size_t i = 0; i < chart.Series.size(); ++i) {
        const ChartSeries& s = chart.Series[i];
        if (places[i].Row < 0) {
            continue;
        }
        const int rowTop = legendTop + places[i].Row * rowPitch;
        const int middle = rowTop + textHeight / 2;
        canvas.PenColour = s.Ink;
        if (s.Joined) {
            canvas.PenKind = s.Style;
            ThickLine(canvas, {places[i].Left, middle},
                      {places[i].Left + markerRoom - em / 2, middle}, line);
            canvas.PenKind = PenStyle::Solid;
        }
        DrawMarker(canvas, s.Marker, {places[i].Left + (markerRoom - em / 2) / 2, middle}, h, line);
        canvas.TextOut(places[i].Left + markerRoom, rowTop, s.Label);
    }
    return std::move(canvas).Finish();
}

} // namespace zephra
