#include "graphs/PlotSeries.h"
#include "WineFixture.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

using test::WineFixture;

TEST(ReadPlotSeries, AnEmptyTableReadsOnePointAtTheOrigin) {
    const PlotSeries s = ReadPlotSeries(TWineRec{});
    EXPECT_EQ(s.Count, 1);
    EXPECT_EQ(s.VA[1], 0.0);
    EXPECT_EQ(s.R[1], 0.0);
}

TEST(ReadPlotSeries, StopsBeforeARowWhoseVolumeIsEmptyOrFourBlanks) {
    WineFixture w;
    w.Points = {{"0.100", " 10.00"}, {"0.200", " 12.50"}, {"0.300", " 15.00"}};
    TWineRec rec = w.Make();
    EXPECT_EQ(ReadPlotSeries(rec).Count, 3);

    rec.TableData[2].V.assign("    ");
    const PlotSeries s = ReadPlotSeries(rec);
    EXPECT_EQ(s.Count, 2);
    EXPECT_DOUBLE_EQ(s.VA[2], 0.2);
    EXPECT_DOUBLE_EQ(s.R[2], 12.5);
    EXPECT_EQ(s.R[3], 0.0); // beyond the count reads as 0

    rec.TableData[2].V.assign("     "); // five blanks are a reading
    EXPECT_EQ(ReadPlotSeries(rec).Count, 3);
}

TEST(ReadPlotSeries, ReadsAtMostThirtySixPoints) {
    TWineRec rec{};
    for (auto& row : rec.TableData) {
        row.V.assign("  10.0");
        row.R.assign("5");
    }
    EXPECT_EQ(ReadPlotSeries(rec).Count, 36);
}

PlotSeries SeriesOf(std::initializer_list<double> resistances) {
    PlotSeries s;
    s.Count = 0;
    for (const double r : resistances) {
        s.R[++s.Count] = r;
    }
    return s;
}

TEST(CountSkippedPoints, SkipsWhileTheResistanceFalls) {
    const struct {
        PlotSeries Series;
        int MinSkip;
        int Expected;
    } cases[] = {
        {SeriesOf({40, 35, 30, 45, 50}), 0, 2},
        {SeriesOf({40, 35, 30, 45, 50}), 3, 3},
        {SeriesOf({10, 20, 30, 40}), 0, 0},
        {SeriesOf({10, 20, 30, 40}), 1, 1},
        {SeriesOf({50, 40, 30, 20}), 0, 4}, // falling to the end: every point skipped
        {SeriesOf({0}), 0, 0},              // empty table
        {SeriesOf({10, 20, 30}), 12, 12},
        {SeriesOf({10, 20, 30}), 500, 36}, // stays within the 36 points
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountSkippedPoints(c.Series, c.MinSkip), c.Expected)
            << "MinSkip " << c.MinSkip << ", count " << c.Series.Count;
    }
}

} // namespace
} // namespace zephra
