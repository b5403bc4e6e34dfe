#pragma once

// A chart of measured points and curves drawn for a given size and text
// height: the picture of the lab report page's graphs and of trials
// compared side by side. Unlike the graph windows' fixed 700 x 600
// pictures, the plot takes the room the texts leave, so a chart drawn for
// paper keeps its labels at the size asked for.

#include "graphs/DisplayList.h"
#include "graphs/TextMetrics.h"

#include <optional>
#include <string>
#include <vector>

namespace zephra {

enum class MarkerShape { None, Plus, Cross, Square, Diamond, Triangle, Circle };

struct ChartPoint {
    double X = 0;
    double Y = 0;
};

// One series: points with a marker, joined by lines in the pen's style
// when `Joined`. A series without a label stays out of the legend.
struct ChartSeries {
    std::string Label; // UTF-8
    Colour Ink;
    PenStyle Style = PenStyle::Solid;
    bool Joined = false;
    MarkerShape Marker = MarkerShape::None;
    std::vector<ChartPoint> Points;
};

// An axis from Min to Max with labels every Step, Decimals after the point.
struct ChartAxis {
    double Min = 0;
    double Max = 1;
    double Step = 0.2;
    int Decimals = 1;
};

// An axis of at most `maxSteps` steps of 1, 2 or 5 times a power of ten,
// from a whole number of steps at or below `low` to one at or above `high`
// (0 to 1 when the span is empty or not finite).
ChartAxis AxisBetween(double low, double high, int maxSteps);

// An axis from 0 covering `largest` in at most ten steps.
ChartAxis AxisCovering(double largest);

// The values an axis spans, low to high.
struct ChartSpan {
    double Low = 0;
    double High = 1;
};

struct Chart {
    std::string Title; // empty: none
    std::string XTitle;
    std::string YTitle;
    // What the axes span at least; nothing: from 0 to the series' largest
    // value. The steps suit the chart's size.
    std::optional<ChartSpan> X;
    std::optional<ChartSpan> Y;
    std::vector<ChartSeries> Series;
};

// The size a chart is drawn at: the picture in pixels, the text's em height
// in pixels and how many pixels a line is thick. A picture for paper is
// drawn at several pixels per point, so that its integer geometry stays
// fine.
struct ChartSize {
    int Width = 640;
    int Height = 480;
    int TextPixels = 11;
    int LinePixels = 1;
};

// The chart's picture: the title on top, the y axis' title above its
// labels, the x axis' title below its labels, the legend in rows under
// that, markers and lines clipped to the plot. Points that are not finite
// are left out.
DisplayList DrawChart(const Chart& chart, const ChartSize& size, const TextMetrics& metrics);

} // namespace zephra
