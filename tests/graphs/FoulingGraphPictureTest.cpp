#include "graphs/FoulingGraphPicture.h"

#include "DisplayListQueries.h"
#include "FakeTextMetrics.h"
#include "graphs/GraphColours.h"
#include "graphs/LineRaster.h"
#include "graphs/PlotCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace zephra {
namespace {

using test::LinesIn;
using test::Texts;

// A standard-law trial of nine minutes on a 47 mm filter, the first of its
// 36 points skipped.
FoulingAnalysis StandardTrial() {
    const double area = 0.0235 * 0.0235 * 3.14159;
    FiltrationPoints points;
    points.LabArea = area;
    points.FirstFitted = 1;
    points.MinSkip = 1;
    for (int i = 1; i <= 36; ++i) {
        const double hours = i * 15 / 3600.0;
        points.Time.push_back(i * 15);
        points.Volume.push_back(2000 * hours / (1 + 2000 * hours / 300) * area * 1000);
    }
    FoulingAnalysis a = AnalyzeFoulingPoints(points, {47, 30, 10});
    a.Wine = "Riesling";
    a.Filter = "Membrane";
    return a;
}

bool HasText(const DisplayList& list, const std::string& text) {
    const auto texts = Texts(list);
    return std::ranges::any_of(texts, [&](const TextOp& t) { return t.Text == text; });
}

TEST(FoulingGraphPicture, DrawsEveryFittedLawFromTheOriginInItsOwnPen) {
    const test::FakeTextMetrics metrics;
    const FoulingAnalysis a = StandardTrial();
    const DisplayList list = DrawFoulingGraphPicture(a, {0, 0, 0}, metrics);
    EXPECT_EQ(list.Width, FoulingGraphWidth);
    EXPECT_EQ(list.Height, FoulingGraphHeight);

    std::set<std::pair<int, int>> pens; // colour and style, all different
    for (const BlockingLaw law : AllBlockingLaws) {
        SCOPED_TRACE(LawKey(law));
        const LawPen pen = LawPenOf(law);
        pens.insert({pen.Ink.Red * 65536 + pen.Ink.Green * 256 + pen.Ink.Blue,
                     static_cast<int>(pen.Style)});
        const std::vector<LineOp> lines = LinesIn(list, pen.Ink);
        ASSERT_TRUE(a.Fit(law).Fitted);
        // The curve (many segments) and the legend's sample line.
        ASSERT_GT(lines.size(), 10u);
        EXPECT_EQ(lines.front().From,
                  (PixelPoint{FoulingGraphPlotRect.Left, FoulingGraphPlotRect.Bottom}));
        for (const LineOp& line : lines) {
            EXPECT_EQ(line.Style, pen.Style);
        }
        // The pattern runs on along the curve instead of restarting.
        EXPECT_GT(lines[lines.size() - 2].PatternStart, 100);
        EXPECT_TRUE(HasText(list, std::string(LawTitle(law)) +
                                      (law == BlockingLaw::Standard ? " (best)" : "")));
    }
    EXPECT_EQ(pens.size(), 4u);
    EXPECT_TRUE(HasText(list, "t (min)"));
    EXPECT_TRUE(HasText(list, "V (ml)"));
    EXPECT_TRUE(HasText(list, "Riesling - Membrane"));
    // Nine minutes and about 260 ml: time labels every minute, volumes by 50.
    EXPECT_TRUE(HasText(list, "9"));
    EXPECT_TRUE(HasText(list, "250"));
    EXPECT_TRUE(HasText(list, "300"));
}

TEST(FoulingGraphPicture, MarksEveryPointAndTheSkippedOnesApart) {
    const test::FakeTextMetrics metrics;
    const DisplayList list = DrawFoulingGraphPicture(StandardTrial(), {0, 0, 0}, metrics);
    // Two lines per marker, plus the legend's marker.
    EXPECT_EQ(LinesIn(list, graph_colours::Green).size(), 2u * 35 + 2);
    EXPECT_EQ(LinesIn(list, graph_colours::FireBrick).size(), 2u * 1 + 2);
}

TEST(FoulingGraphPicture, TrialWithoutEnoughDataHasNoCurves) {
    const test::FakeTextMetrics metrics;
    FiltrationPoints points;
    points.LabArea = 0.001;
    points.Time = {15, 30};
    points.Volume = {10, 19};
    const FoulingAnalysis a = AnalyzeFoulingPoints(points, {47, 30, 10});
    const DisplayList list = DrawFoulingGraphPicture(a, {0, 0, 0}, metrics);
    for (const BlockingLaw law : AllBlockingLaws) {
        // Only the legend's sample line.
        EXPECT_EQ(LinesIn(list, LawPenOf(law).Ink).size(), 1u);
        EXPECT_TRUE(HasText(list, std::string(LawTitle(law)) + " (not fitted)"));
    }
    EXPECT_EQ(LinesIn(list, graph_colours::Green).size(), 2u * 2 + 2);

    const DisplayList empty = DrawFoulingGraphPicture(FoulingAnalysis{}, {0, 0, 0}, metrics);
    EXPECT_TRUE(HasText(empty, "t (min)"));
}

TEST(PenPatterns, EachStyleDrawsItsOwnPattern) {
    const std::map<PenStyle, std::string> patterns{
        {PenStyle::Solid, "################"},
        {PenStyle::Dotted, "#..#..#..#..#..#"},
        {PenStyle::Dashed, "########....####"},
        {PenStyle::DashDot, "########...##..."},
    };
    for (const auto& [style, pattern] : patterns) {
        std::string drawn;
        for (int i = 0; i < 16; ++i) {
            drawn += PenDraws(style, i) ? '#' : '.';
        }
        EXPECT_EQ(drawn, pattern);
    }
}

TEST(PenPatterns, ThePatternRunsOnAcrossAPolylineUntilTheNextMove) {
    const test::FakeTextMetrics metrics;
    PlotCanvas canvas(100, 100, metrics);
    canvas.MoveTo({0, 0});
    canvas.LineTo({5, 0});
    canvas.LineTo({5, 7});
    canvas.LineTo({2, 9});
    canvas.MoveTo({50, 50});
    canvas.LineTo({60, 50});
    const DisplayList list = std::move(canvas).Finish();
    std::vector<std::int64_t> starts;
    for (const DrawOp& op : list.Ops) {
        starts.push_back(std::get<LineOp>(op).PatternStart);
    }
    EXPECT_EQ(starts, (std::vector<std::int64_t>{0, 5, 12, 0}));
}

} // namespace
} // namespace zephra
