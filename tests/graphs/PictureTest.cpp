#include "DisplayListQueries.h"
#include "FakeTextMetrics.h"
#include "WineFixture.h"
#include "graphs/FloatingPointFault.h"
#include "graphs/GraphColours.h"
#include "graphs/GraphWindowPicture.h"
#include "graphs/WineGraphPicture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zephra {
namespace {

using test::FakeTextMetrics;
using test::LinesIn;
using test::RisingWine;
using test::Texts;
using test::WineFixture;
namespace colours = graph_colours;

const FakeTextMetrics Metrics;

DisplayList WineGraph(const TWineRec& rec) {
    return DrawWineGraph(rec, 250, 200, DesktopColours{}, Metrics);
}

std::vector<std::string> TextStrings(const DisplayList& list) {
    std::vector<std::string> strings;
    for (const TextOp& t : Texts(list)) {
        strings.push_back(t.Text);
    }
    return strings;
}

bool HasLine(const std::vector<LineOp>& lines, PixelPoint from, PixelPoint to) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const LineOp& l) { return l.From == from && l.To == to; });
}

TEST(WineGraphPicture, AnEmptyWineShowsTheFrameLabelsAndOnePlusAtTheCorner) {
    const DisplayList list = WineGraph(TWineRec{});
    EXPECT_EQ(list.Width, 250);
    EXPECT_EQ(list.Height, 200);

    const std::vector<LineOp> green = LinesIn(list, colours::Green);
    ASSERT_EQ(green.size(), 2u);
    EXPECT_TRUE(HasLine(green, {33, 165}, {38, 165}));
    EXPECT_TRUE(HasLine(green, {35, 163}, {35, 168}));
    EXPECT_TRUE(LinesIn(list, colours::FireBrick).empty());
    EXPECT_TRUE(LinesIn(list, colours::CornflowerBlue).empty());
    EXPECT_TRUE(LinesIn(list, colours::DarkTurquoise).empty());

    const std::vector<std::string> expected{"V/A", "R",     "10",    "X",     "9",     "0.0",
                                            "0.5", "    0", "    5", "   10", "   15", "   20"};
    EXPECT_EQ(TextStrings(list), expected);

    const std::vector<LineOp> black = LinesIn(list, colours::Black);
    EXPECT_TRUE(HasLine(black, {35, 165}, {35, 169}));   // x tick at 0.0
    EXPECT_TRUE(HasLine(black, {235, 165}, {235, 169})); // x tick at 0.5
    EXPECT_TRUE(HasLine(black, {35, 15}, {31, 15}));     // y tick at 20
    EXPECT_TRUE(HasLine(black, {35, 128}, {31, 128}));   // y tick at 5 (165 - 37.5, to even)
}

TEST(WineGraphPicture, PlacesTitlesAndLabelsFromTheTextSize) {
    const std::vector<TextOp> texts = Texts(WineGraph(TWineRec{}));
    // Fake metrics: 11-pixel cells, 5 pixels a character; the labels 8 and 4.
    EXPECT_EQ(texts[0].Origin, (PixelPoint{128, 181})); // round(135 - 15 / 2) = 128 (127.5)
    EXPECT_EQ(texts[0].Font, (FontSpec{11, false}));
    EXPECT_EQ(texts[1].Origin, (PixelPoint{1, 102}));
    EXPECT_TRUE(texts[1].Font.Rotated);
    EXPECT_EQ(texts[2].Origin, (PixelPoint{1, 90}));
    EXPECT_EQ(texts[3].Origin, (PixelPoint{3, 95}));
    EXPECT_EQ(texts[3].Font, (FontSpec{8, true}));
    EXPECT_EQ(texts[4].Origin, (PixelPoint{0, 80}));
    EXPECT_EQ(texts[5].Origin, (PixelPoint{29, 172})); // "0.0": 35 - 12 / 2
    EXPECT_EQ(texts[5].Font, (FontSpec{8, false}));
    EXPECT_EQ(texts[7].Origin, (PixelPoint{8, 161})); // "    0": 35 - 20 - 7, 165 - 4
    EXPECT_EQ(texts[7].Background, DesktopColours{}.ButtonFace);
    EXPECT_EQ(texts[0].Background, DesktopColours{}.ButtonFace);
    // The overlapping parts of the rotated title do not erase each other.
    EXPECT_EQ(texts[2].Background, std::nullopt);
    EXPECT_EQ(texts[4].Background, std::nullopt);
}

TEST(WineGraphPicture, MarkersAndCurvesFollowTheUsedPoints) {
    WineFixture neg = RisingWine();
    neg.RmE = "   neg";
    WineFixture three = RisingWine();
    three.Points.pop_back();
    WineFixture falling = RisingWine();
    falling.Points = {{"0.100", "40.00"}, {"0.300", "30.00"}, {"0.500", "20.00"}};
    WineFixture powerFailed = RisingWine();
    powerFailed.RmP = "      ";

    const struct {
        const char* Name;
        WineFixture Wine;
        std::size_t Crosses, Pluses;
        bool PowerCurve, ExponentialCurve;
    } cases[] = {
        {"four used points", RisingWine(), 0, 4, true, true},
        {"RmE neg", neg, 0, 0, false, false},
        {"three used points", three, 0, 3, false, false},
        {"all falling", falling, 3, 0, false, false},
        {"power model failed", powerFailed, 0, 4, false, true},
    };
    for (const auto& c : cases) {
        const DisplayList list = WineGraph(c.Wine.Make());
        EXPECT_EQ(LinesIn(list, colours::FireBrick).size(), 2 * c.Crosses) << c.Name;
        EXPECT_EQ(LinesIn(list, colours::Green).size(), 2 * c.Pluses) << c.Name;
        EXPECT_EQ(!LinesIn(list, colours::CornflowerBlue).empty(), c.PowerCurve) << c.Name;
        EXPECT_EQ(!LinesIn(list, colours::DarkTurquoise).empty(), c.ExponentialCurve) << c.Name;
    }
}

TEST(WineGraphPicture, ASkipCountBeyondThePointsMarksOnlyThePointsThatExist) {
    WineFixture w = RisingWine();
    w.MinSkip = 12;
    const DisplayList list = WineGraph(w.Make());
    EXPECT_EQ(LinesIn(list, colours::FireBrick).size(), 8u);
    EXPECT_TRUE(LinesIn(list, colours::Green).empty());
}

TEST(WineGraphPicture, XLabelsFollowTheLastVolume) {
    const struct {
        const char* LastVA;
        std::vector<std::string> Labels;
    } cases[] = {
        {"0.730", {"0.0", "0.5", "1.0"}}, {"12.20", {"0.0", "5.0", "10.0"}}, // MaxX 12.5, m = 12
    };
    for (const auto& c : cases) {
        WineFixture w;
        w.Points = {{"0.100", "10.00"}, {c.LastVA, "12.00"}};
        const std::vector<std::string> texts = TextStrings(WineGraph(w.Make()));
        const std::vector<std::string> xLabels(texts.begin() + 5,
                                               texts.begin() + 5 + c.Labels.size());
        EXPECT_EQ(xLabels, c.Labels) << c.LastVA;
        EXPECT_EQ(texts[5 + c.Labels.size()], "    0") << c.LastVA; // y labels follow
    }
}

TEST(GraphWindowPicture, LabelsTheLaboratoryAxesByTheirSteps) {
    WineFixture w = RisingWine();
    w.Points.back().VA = "1.700"; // MaxX 2.0
    const DisplayList list =
        DrawGraphWindowPicture(w.Make(), GraphScale::Laboratory, colours::Black, Metrics);
    const std::vector<std::string> texts = TextStrings(list);
    for (const char* label : {"0.0", "0.5", "1.0", "1.5", "2.0"}) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end()) << label;
    }
    const std::vector<LineOp> black = LinesIn(list, colours::Black);
    EXPECT_TRUE(HasLine(black, {70, 540}, {70, 544}));
    EXPECT_TRUE(HasLine(black, {602, 540}, {602, 544}));  // 1.9
    EXPECT_FALSE(HasLine(black, {630, 540}, {630, 544})); // no tick at 2.0

    w.Points.back().VA = "7.900"; // MaxX 8.0: the tick at 8.0 is drawn
    const std::vector<LineOp> black8 =
        LinesIn(DrawGraphWindowPicture(w.Make(), GraphScale::Laboratory, colours::Black, Metrics),
                colours::Black);
    EXPECT_TRUE(HasLine(black8, {630, 540}, {630, 544}));
    EXPECT_TRUE(HasLine(black8, {595, 540}, {595, 544})); // 7.5
}

TEST(GraphWindowPicture, TheProductionExampleWidensBothAxes) {
    WineFixture w = RisingWine();
    w.Points = {{"0.200", "20.00"}, {"0.400", "30.00"}, {"0.600", "40.00"}, {"0.800", "45.00"}};
    const DisplayList list =
        DrawGraphWindowPicture(w.Make(), GraphScale::Production, colours::Black, Metrics);
    const std::vector<std::string> texts = TextStrings(list);
    const std::vector<std::string> xLabels(texts.begin() + 6, texts.begin() + 10);
    EXPECT_EQ(xLabels, (std::vector<std::string>{"  0", "  1", "  2", "  3"}));
    const std::vector<std::string> yLabels(texts.begin() + 10, texts.begin() + 13);
    EXPECT_EQ(yLabels, (std::vector<std::string>{"    0", "   50", "  100"}));
    EXPECT_EQ(texts.back(), "Unused Data");
    EXPECT_EQ(texts[texts.size() - 5], "Max Resistance");

    // The dotted maximum-resistance line at 120 of 130, and its legend symbol.
    std::vector<LineOp> blue = LinesIn(list, colours::Blue);
    ASSERT_EQ(blue.size(), 2u);
    EXPECT_EQ(blue[0].Style, PenStyle::Dotted);
    EXPECT_EQ(blue[0].From, (PixelPoint{70, 97})); // 540 - 480 * 120 / 130 = 96.9
    EXPECT_EQ(blue[0].To, (PixelPoint{630, 97}));
    EXPECT_EQ(blue[1].From, (PixelPoint{489, 425}));
    // Markers and everything after them are solid.
    for (const LineOp& line : LinesIn(list, colours::Green)) {
        EXPECT_EQ(line.Style, PenStyle::Solid);
    }
    // y ticks every 10: 14 of them, and x ticks at 0..3.
    const std::vector<LineOp> black = LinesIn(list, colours::Black);
    EXPECT_EQ(std::count_if(black.begin(), black.end(),
                            [](const LineOp& l) { return l.From.X == 70 && l.To.X == 66; }),
              14);
    EXPECT_TRUE(HasLine(black, {630, 540}, {630, 544}));
}

TEST(GraphWindowPicture, ProductionWithoutDataOrCurvesKeepsLineAxesAndLegend) {
    const DisplayList empty =
        DrawGraphWindowPicture(TWineRec{}, GraphScale::Production, colours::Black, Metrics);
    const std::vector<std::string> texts = TextStrings(empty);
    const std::vector<std::string> labels(texts.begin() + 6, texts.begin() + 20);
    const std::vector<std::string> expected{"  0",   "  1",   "  2",   "    0", "    1",
                                            "    2", "    3", "    4", "    5", "    6",
                                            "    7", "    8", "    9", "   10"};
    EXPECT_EQ(labels, expected);
    // The maximum-resistance line of a blank MaxProdR lies on the bottom edge.
    const std::vector<LineOp> blue = LinesIn(empty, colours::Blue);
    ASSERT_FALSE(blue.empty());
    EXPECT_EQ(blue[0].From, (PixelPoint{70, 540}));
    // y ticks every 0.5: 21 of them.
    const std::vector<LineOp> black = LinesIn(empty, colours::Black);
    EXPECT_EQ(std::count_if(black.begin(), black.end(),
                            [](const LineOp& l) { return l.From.X == 70 && l.To.X == 66; }),
              21);

    WineFixture neg = RisingWine();
    neg.RmE = "   neg";
    const DisplayList list =
        DrawGraphWindowPicture(neg.Make(), GraphScale::Production, colours::Black, Metrics);
    EXPECT_EQ(LinesIn(list, colours::Blue).size(), 2u);  // the line and its legend symbol
    EXPECT_EQ(LinesIn(list, colours::Green).size(), 2u); // the legend's plus only
    EXPECT_EQ(LinesIn(list, colours::FireBrick).size(), 2u);
    EXPECT_EQ(LinesIn(list, colours::CornflowerBlue).size(), 1u);
    EXPECT_EQ(LinesIn(list, colours::DarkTurquoise).size(), 1u);
    EXPECT_EQ(TextStrings(list).back(), "Unused Data");
}

TEST(GraphWindowPicture, AProductionRangeCappedAt10001HasOnlyTheLabelAndTickAtZero) {
    WineFixture w = RisingWine();
    w.bP = "0.100";
    const DisplayList list =
        DrawGraphWindowPicture(w.Make(), GraphScale::Production, colours::Black, Metrics);
    const std::vector<std::string> texts = TextStrings(list);
    EXPECT_EQ(texts[6], "  0");
    EXPECT_EQ(texts[7], "    0"); // the y labels follow at once
    const std::vector<LineOp> black = LinesIn(list, colours::Black);
    EXPECT_EQ(std::count_if(black.begin(), black.end(),
                            [](const LineOp& l) { return l.From.Y == 540 && l.To.Y == 544; }),
              1);
}

TEST(GraphWindowPicture, TheTitleNamesWineAndFilterCentredInItsBox) {
    TWineRec rec = RisingWine().Make();
    rec.Conditions.WineName.assign("ABCDEFGHIJKLMNOP");
    rec.Conditions.FilterName.assign("abcdefghijklmnop");
    const TextOp title =
        Texts(DrawGraphWindowPicture(rec, GraphScale::Laboratory, colours::Black, Metrics))[0];
    EXPECT_EQ(title.Text, "ABCDEFGHIJKLMNOP - abcdefghijklmnop");
    EXPECT_EQ(title.Font, (FontSpec{-14, false}));
    // 35 characters of 7 pixels: 245 wide, centred in 10..690.
    EXPECT_EQ(title.Origin, (PixelPoint{10 + (680 - 245) / 2, 20}));
    EXPECT_EQ(title.Clip, (PixelRect{10, 20, 690, 40}));
}

TEST(GraphPictures, AFaultAbandonsThePicture) {
    WineFixture w = RisingWine();
    w.bP = "0.000";
    w.A = 500; // the flat power curve at 505 lies above the top
    EXPECT_THROW(WineGraph(w.Make()), FloatingPointFault);
    EXPECT_THROW(DrawGraphWindowPicture(w.Make(), GraphScale::Production, colours::Black, Metrics),
                 FloatingPointFault);
}

} // namespace
} // namespace zephra
