#include "WineFixture.h"
#include "graphs/GraphColours.h"
#include "graphs/ui/GraphCommands.h"
#include "graphs/ui/GraphImages.h"
#include "support/RecordingBoxes.h"

#include <QLabel>
#include <QPixmap>
#include <QtTest>

namespace zephra {

using test::RecordingBoxes;
using test::RisingWine;
using test::WineFixture;
namespace colours = graph_colours;

namespace {

QRgb Rgb(Colour c) {
    return qRgb(c.Red, c.Green, c.Blue);
}

int CountPixels(const QImage& image, Colour colour, QRect area = {}) {
    if (area.isNull()) {
        area = image.rect();
    }
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += image.pixel(x, y) == Rgb(colour) ? 1 : 0;
        }
    }
    return count;
}

bool IsBlack(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(0, 0, 0);
}

// Black pixels in the row of the x ticks of a graph window, inside its border.
int XTicksDrawn(const QImage& image) {
    int ticks = 0;
    for (int x = 1; x < 699; ++x) {
        ticks += IsBlack(image, x, 542) ? 1 : 0;
    }
    return ticks;
}

// The small graph as the wine window shows it.
QImage WineGraph(const TWineRec& rec) {
    QLabel graph;
    graph.resize(250, 200);
    RecordingBoxes boxes;
    DrawGraph(graph, rec, boxes);
    return graph.pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage LabGraph(const TWineRec& rec) {
    return GraphWindowImage(rec, GraphScale::Laboratory, colours::Black);
}

QImage ProductionGraph(const TWineRec& rec) {
    return GraphWindowImage(rec, GraphScale::Production, colours::Black);
}

} // namespace

class GraphPixelsTest : public QObject {
    Q_OBJECT

private slots:
    void emptyWineShowsFrameOnGhostWhiteAndTheCornerTick() {
        const QImage image = WineGraph(TWineRec{});
        QCOMPARE(image.size(), QSize(250, 200));
        // Plot area GhostWhite from (36, 16) to (234, 164), inside the frame.
        QCOMPARE(image.pixel(36, 16), Rgb(colours::GhostWhite));
        QCOMPARE(image.pixel(234, 164), Rgb(colours::GhostWhite));
        QCOMPARE(CountPixels(image, colours::GhostWhite, QRect(36, 16, 199, 149)), 199 * 149);
        // The frame: columns 35 and 235 from row 15 to 165, rows 15 and 165.
        for (int y = 15; y <= 165; ++y) {
            QVERIFY(IsBlack(image, 35, y));
            QVERIFY(IsBlack(image, 235, y));
        }
        for (int x = 35; x <= 235; ++x) {
            QVERIFY(IsBlack(image, x, 15));
            QVERIFY(IsBlack(image, x, 165));
        }
        // The tick at 0.0 covers rows 165 to 168, not 169; the y tick at 0
        // columns 35 down to 32, not 31. They and the frame cover the green
        // plus at the corner, which is drawn before them.
        for (int y = 165; y <= 168; ++y) {
            QVERIFY(IsBlack(image, 35, y));
        }
        QVERIFY(!IsBlack(image, 35, 169));
        QVERIFY(IsBlack(image, 32, 165));
        QVERIFY(!IsBlack(image, 31, 165));
        QVERIFY(IsBlack(image, 235, 168)); // the tick at 0.5
        QVERIFY(!IsBlack(image, 235, 169));
        // y ticks at 0, 5, 10, 15, 20: rows 165, 128, 90, 52, 15.
        for (int row : {165, 128, 90, 52, 15}) {
            QVERIFY2(IsBlack(image, 32, row), qPrintable(QString::number(row)));
        }
        QVERIFY(!IsBlack(image, 32, 100));
        // Only the frame, ticks and text: no curves and no visible markers.
        QCOMPARE(CountPixels(image, colours::CornflowerBlue), 0);
        QCOMPARE(CountPixels(image, colours::DarkTurquoise), 0);
        QCOMPARE(CountPixels(image, colours::FireBrick), 0);
    }

    void aUsedPointShowsAsAPlusWhereNothingCoversIt() {
        // Off the corner, a used point shows as a plus 5 pixels each way.
        WineFixture w;
        w.Points = {{"0.250", "10.00"}, {"0.400", "12.00"}};
        const QImage image = WineGraph(w.Make());
        // Ranges 0..0.5 and 0..30: (0.25, 10) maps to (135, 115).
        QCOMPARE(CountPixels(image, colours::Green), 18);
        QCOMPARE(CountPixels(image, colours::Green, QRect(133, 113, 5, 5)), 9);
        for (int d = -2; d <= 2; ++d) {
            QCOMPARE(image.pixel(135 + d, 115), Rgb(colours::Green));
            QCOMPARE(image.pixel(135, 115 + d), Rgb(colours::Green));
        }
    }

    void markersAndCurvesFollowTheUsedPoints_data() {
        QTest::addColumn<int>("variant");
        QTest::newRow("four used points") << 0;
        QTest::newRow("RmE neg") << 1;
        QTest::newRow("three used points") << 2;
        QTest::newRow("all falling") << 3;
    }

    void markersAndCurvesFollowTheUsedPoints() {
        QFETCH(int, variant);
        WineFixture w = RisingWine();
        bool curves = true, crosses = false, pluses = true;
        if (variant == 1) {
            w.RmE = "   neg";
            curves = pluses = false;
        } else if (variant == 2) {
            w.Points.pop_back();
            curves = false;
        } else if (variant == 3) {
            w.Points = {{"0.100", "40.00"}, {"0.200", "30.00"}, {"0.300", "20.00"}};
            curves = pluses = false;
            crosses = true;
        }
        for (const QImage& image : {WineGraph(w.Make()), LabGraph(w.Make())}) {
            const bool window = image.width() == 700;
            const QRect plot = window ? QRect(71, 61, 559, 479) : QRect(36, 16, 199, 149);
            // The graph windows' legend, inside the plot, holds one symbol of each kind.
            const QRect legend = window ? QRect(478, 415, 137, 100) : QRect();
            const auto inPlot = [&](Colour colour) {
                return CountPixels(image, colour, plot) -
                           (window ? CountPixels(image, colour, legend) : 0) >
                       0;
            };
            QCOMPARE(inPlot(colours::CornflowerBlue), curves);
            QCOMPARE(inPlot(colours::DarkTurquoise), curves);
            QCOMPARE(inPlot(colours::FireBrick), crosses);
            QCOMPARE(inPlot(colours::Green), pluses);
        }
    }

    void labXTicksOvershootAtTwoButNotAtEight() {
        WineFixture w = RisingWine();
        w.Points.back().VA = "1.700"; // MaxX 2.0: ticks every 0.1 up to 1.9
        const QImage two = LabGraph(w.Make());
        for (int y = 541; y <= 543; ++y) {
            QVERIFY(IsBlack(two, 602, y)); // 1.9: round(560 * 1.9 / 2 + 70)
            QVERIFY(IsBlack(two, 70, y));
            QVERIFY(!IsBlack(two, 630, y));
        }
        QVERIFY(!IsBlack(two, 602, 544));

        w.Points.back().VA = "7.900"; // MaxX 8.0: ticks every 0.5, 8.0 included
        const QImage eight = LabGraph(w.Make());
        for (int y = 541; y <= 543; ++y) {
            QVERIFY(IsBlack(eight, 630, y));
            QVERIFY(IsBlack(eight, 595, y)); // 7.5
        }
    }

    void productionExampleWidensTheAxes() {
        WineFixture w = RisingWine();
        w.Points = {{"0.200", "20.00"}, {"0.400", "30.00"}, {"0.600", "40.00"}, {"0.800", "45.00"}};
        const QImage image = ProductionGraph(w.Make());
        QCOMPARE(image.size(), QSize(700, 600));
        // MaxX 3: ticks at 0, 1, 2, 3 = x 70, 257, 443, 630 and nowhere else.
        const int ticks = XTicksDrawn(image);
        QCOMPARE(ticks, 4);
        for (int x : {70, 257, 443, 630}) {
            QVERIFY2(IsBlack(image, x, 542), qPrintable(QString::number(x)));
        }
        // MaxY 130: y ticks every 10 (rows 540 - 480 * v / 130).
        for (int v = 0; v <= 130; v += 10) {
            const int row = qRound(540 - 480.0 * v / 130);
            QVERIFY2(IsBlack(image, 67, row), qPrintable(QString::number(v)));
        }
        // The dotted Blue line at 120 (row 97) across the plot.
        const int dots = CountPixels(image, colours::Blue, QRect(71, 97, 559, 1));
        QVERIFY(dots > 150 && dots < 200);
        // The legend box is 20 pixels taller: its frame starts at row 415.
        QVERIFY(IsBlack(image, 500, 415));
        QVERIFY(IsBlack(image, 478, 514));
        QVERIFY(IsBlack(image, 614, 514));
    }

    void productionWithoutDataHidesTheLineUnderTheFrame() {
        const QImage image = ProductionGraph(TWineRec{});
        // The dotted line of a blank MaxProdR runs along row 540 under the
        // frame; only the legend's symbol shows Blue.
        QCOMPARE(CountPixels(image, colours::Blue),
                 CountPixels(image, colours::Blue, QRect(478, 415, 137, 100)));
        QVERIFY(CountPixels(image, colours::Blue) > 0);
        for (int x = 70; x <= 630; ++x) {
            QVERIFY(IsBlack(image, x, 540));
        }
        QCOMPARE(XTicksDrawn(image), 3); // MaxX 2: ticks at 0, 1 and 2
    }

    void productionRangeCappedAt10001HasOneXTick() {
        WineFixture w = RisingWine();
        w.bP = "0.100";
        const QImage image = ProductionGraph(w.Make());
        const int ticks = XTicksDrawn(image);
        QCOMPARE(ticks, 1);
        QVERIFY(IsBlack(image, 70, 542));
    }

    void labPictureBorderFrameAndLegend() {
        const QImage image = LabGraph(RisingWine().Make());
        // One-pixel black border around a GhostWhite picture.
        QVERIFY(IsBlack(image, 0, 0));
        QVERIFY(IsBlack(image, 699, 599));
        QVERIFY(IsBlack(image, 350, 599));
        QCOMPARE(image.pixel(1, 1), Rgb(colours::GhostWhite));
        // Ivory plot area inside the frame, frame at 70 and 630.
        QCOMPARE(image.pixel(629, 539), Rgb(colours::Ivory));
        QVERIFY(IsBlack(image, 70, 300));
        QVERIFY(IsBlack(image, 630, 300));
        // Legend: frame (478, 435)-(614, 514) and its symbols.
        QVERIFY(IsBlack(image, 478, 435));
        QVERIFY(IsBlack(image, 614, 514));
        QCOMPARE(image.pixel(488, 445), Rgb(colours::CornflowerBlue));
        QCOMPARE(image.pixel(504, 445), Rgb(colours::CornflowerBlue));
        QVERIFY(image.pixel(505, 445) != Rgb(colours::CornflowerBlue));
        QCOMPARE(image.pixel(488, 465), Rgb(colours::DarkTurquoise));
        QCOMPARE(CountPixels(image, colours::Green, QRect(493, 482, 7, 7)), 13);
        QCOMPARE(CountPixels(image, colours::FireBrick, QRect(494, 503, 5, 5)), 9);
    }
};

} // namespace zephra

QTEST_MAIN(zephra::GraphPixelsTest)
#include "GraphPixelsTest.moc"
