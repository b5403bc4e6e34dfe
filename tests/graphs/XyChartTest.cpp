#include "graphs/XyChart.h"

#include "DisplayListQueries.h"
#include "FakeTextMetrics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zephra {
namespace {

using test::LinesIn;
using test::Texts;

TEST(XyChartTest, AxesTakeWholeStepsOfOneTwoOrFive) {
    struct Case {
        double Low, High;
        int MaxSteps;
        ChartAxis Expected;
    };
    const Case cases[] = {
        {0, 9.2, 10, {0, 10, 1, 0}},
        {0, 0.34, 4, {0, 0.4, 0.1, 1}},
        {0, 612, 5, {0, 800, 200, 0}},
        {80, 412, 4, {0, 600, 200, 0}}, // 50s and 100s take more than four steps
        {88.8, 348.5, 10, {50, 350, 50, 0}},
        {0, 0, 5, {0, 1, 0.2, 1}},                                       // nothing to span
        {0, std::numeric_limits<double>::infinity(), 5, {0, 1, 0.2, 1}}, // not finite
    };
    for (const Case& c : cases) {
        const ChartAxis axis = AxisBetween(c.Low, c.High, c.MaxSteps);
        SCOPED_TRACE(std::to_string(c.Low) + ".." + std::to_string(c.High));
        EXPECT_LE(axis.Min, c.Low);
        if (std::isfinite(c.High) && c.High > c.Low) {
            EXPECT_GE(axis.Max, c.High);
            EXPECT_LE((axis.Max - axis.Min) / axis.Step, c.MaxSteps + 1e-9);
        }
        EXPECT_DOUBLE_EQ(axis.Step, c.Expected.Step);
        EXPECT_EQ(axis.Decimals, c.Expected.Decimals);
    }
    EXPECT_DOUBLE_EQ(AxisCovering(9.2).Max, 10);
}

Chart TwoSeries() {
    Chart chart;
    chart.XTitle = "t (min)";
    chart.YTitle = "V/A (L/m\xC2\xB2)";
    chart.Series.push_back({"Riesling \xE2\x80\x94 PES 0.45",
                            {200, 0, 0},
                            PenStyle::Solid,
                            true,
                            MarkerShape::Square,
                            {{0, 0}, {1, 40}, {2, 70}, {3, NAN}, {4, 110}}});
    chart.Series.push_back({"Riesling \xE2\x80\x94 Pad K200",
                            {0, 0, 200},
                            PenStyle::Dashed,
                            true,
                            MarkerShape::Diamond,
                            {{0, 0}, {2, 30}, {50, 900}}}); // far beyond the axes given
    chart.X = ChartSpan{0, 4};
    chart.Y = ChartSpan{0, 120};
    return chart;
}

TEST(XyChartTest, EverythingStaysInThePictureAndTextsDoNotOverlap) {
    const test::FakeTextMetrics metrics;
    for (const ChartSize size : {ChartSize{640, 480, 11, 1}, ChartSize{600, 500, 30, 2}}) {
        const DisplayList list = DrawChart(TwoSeries(), size, metrics);
        EXPECT_EQ(list.Width, size.Width);
        const std::vector<TextOp> texts = Texts(list);
        std::vector<PixelRect> boxes;
        for (const TextOp& t : texts) {
            const FontSpec font = t.Font;
            const PixelRect box{t.Origin.X, t.Origin.Y,
                                t.Origin.X + metrics.TextWidth(font, t.Text),
                                t.Origin.Y + metrics.TextHeight(font, t.Text)};
            EXPECT_GE(box.Left, 0) << t.Text;
            EXPECT_GE(box.Top, 0) << t.Text;
            EXPECT_LE(box.Right, size.Width) << t.Text;
            EXPECT_LE(box.Bottom, size.Height) << t.Text;
            EXPECT_EQ(-font.Height, size.TextPixels);
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                const PixelRect& other = boxes[i];
                const bool apart = box.Right <= other.Left || other.Right <= box.Left ||
                                   box.Bottom <= other.Top || other.Bottom <= box.Top;
                EXPECT_TRUE(apart) << t.Text << " over " << texts[i].Text;
            }
            boxes.push_back(box);
        }
        const auto has = [&texts](const std::string& s) {
            return std::any_of(texts.begin(), texts.end(),
                               [&s](const TextOp& t) { return t.Text == s; });
        };
        EXPECT_TRUE(has("t (min)"));
        EXPECT_TRUE(has("Riesling \xE2\x80\x94 PES 0.45"));
        EXPECT_TRUE(has("Riesling \xE2\x80\x94 Pad K200"));
        EXPECT_TRUE(has("0"));

        // The blue series is cut where it leaves the plot; every line lies in
        // the picture.
        for (const Colour ink : {Colour{200, 0, 0}, Colour{0, 0, 200}}) {
            const std::vector<LineOp> lines = LinesIn(list, ink);
            ASSERT_FALSE(lines.empty());
            for (const LineOp& l : lines) {
                for (const PixelPoint p : {l.From, l.To}) {
                    EXPECT_GE(p.X, 0);
                    EXPECT_LE(p.X, size.Width);
                    EXPECT_GE(p.Y, 0);
                    EXPECT_LE(p.Y, size.Height);
                }
            }
        }
    }
}

// The gap of a point that is not a number breaks the line: no line runs
// from x = 2 to x = 4 in red.
TEST(XyChartTest, ANonFinitePointBreaksTheLine) {
    const test::FakeTextMetrics metrics;
    Chart chart = TwoSeries();
    chart.Series.resize(1);
    chart.Series[0].Label.clear();
    const DisplayList list = DrawChart(chart, {640, 480, 11, 1}, metrics);
    const std::vector<LineOp> lines = LinesIn(list, {200, 0, 0});
    int longest = 0;
    for (const LineOp& l : lines) {
        longest = std::max(longest, std::abs(l.To.X - l.From.X));
    }
    // One x step is about a quarter of the plot's width; two would be half.
    EXPECT_LT(longest, 640 / 3);
}

} // namespace
} // namespace zephra
