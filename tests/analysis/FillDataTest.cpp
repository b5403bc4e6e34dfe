#include "analysis/FillData.h"

#include "AnalysisTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zephra {
namespace {

using test::Text;

TEST(FillData, CopiesEveryPointIntoItsRowAndLeavesTheResultCells) {
    TWineRec rec = test::MakeWine({}, {{" 250.0", "  1", "05"}, {"  12.5", "999", "59"}});
    rec.TableData[0].VA.assign("0.123");
    rec.TableData[0].R.assign("498.42");
    rec.TableData[1].Rexp.assign("  1.00");
    rec.TableData[1].Rpower.assign("  2.00");

    FillData(rec);

    EXPECT_EQ(Text(rec.TableData[0].V), " 250.0");
    EXPECT_EQ(Text(rec.TableData[0].Min), "  1");
    EXPECT_EQ(Text(rec.TableData[0].Sec), "05");
    EXPECT_EQ(Text(rec.TableData[1].V), "  12.5");
    EXPECT_EQ(Text(rec.TableData[1].Min), "999");
    EXPECT_EQ(Text(rec.TableData[1].Sec), "59");
    EXPECT_EQ(Text(rec.TableData[0].VA), "0.123");
    EXPECT_EQ(Text(rec.TableData[0].R), "498.42");
    EXPECT_EQ(Text(rec.TableData[1].Rexp), "  1.00");
    EXPECT_EQ(Text(rec.TableData[1].Rpower), "  2.00");
}

TEST(FillData, AnEmptyPointEmptiesItsCellsButKeepsTheBytesAfterTheText) {
    TWineRec rec = test::MakeWine({}, {});
    rec.TableData[2].V.assign(" 123.4");
    rec.TableData[2].Min.assign("  7");
    rec.TableData[2].Sec.assign("30");
    rec.TableData[2].R.assign(" 50.00");

    FillData(rec);

    const TTableRow& row = rec.TableData[2];
    EXPECT_TRUE(row.V.empty());
    EXPECT_TRUE(row.Min.empty());
    EXPECT_TRUE(row.Sec.empty());
    EXPECT_EQ(0, std::memcmp(row.V.chars, " 123.4", 6));
    EXPECT_EQ(0, std::memcmp(row.Min.chars, "  7", 3));
    EXPECT_EQ(0, std::memcmp(row.Sec.chars, "30", 2));
    EXPECT_EQ(Text(row.R), " 50.00");
}

TEST(FillData, AShorterTextOverwritesOnlyItsOwnBytes) {
    TWineRec rec = test::MakeWine({}, {{"   7.5", "  1", "00"}});
    rec.Data.V[0].assign("7.5"); // length 3, the bytes after it still hold "7.5"
    rec.TableData[0].V.assign("ABCDEF");

    FillData(rec);

    EXPECT_EQ(rec.TableData[0].V.len, 3);
    EXPECT_EQ(0, std::memcmp(rec.TableData[0].V.chars, "7.5DEF", 6));
}

} // namespace
} // namespace zephra
