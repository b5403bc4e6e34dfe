#include "document/Report.h"

#include "support/GoldenFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zephra {
namespace {

// The report lines as one text, a newline after each line.
std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + '\n';
    }
    return text;
}

// `lines` compared with the golden file `name` (see golden/README.md).
void ExpectGolden(const std::vector<std::string>& lines, const std::string& name) {
    const std::string text = Joined(lines);
    EXPECT_EQ(text, test::GoldenBytes(ZEPHRA_GOLDEN_DIR, name, text)) << name;
}

struct Results {
    const char* RmE;
    const char* RmP;
    const char* MaxProdR;
    const char* a;
    const char* bP;
    const char* rP;
    const char* bE;
    const char* rE;
    const char* ExpectedVolP;
    const char* ExpectedVolE;
    const char* LabEquivVol;
    const char* LabFaceVel;
    const char* ProdFaceVel;
};

void SetResults(TWineRec& rec, const Results& r) {
    rec.RmE.assign(r.RmE);
    rec.RmP.assign(r.RmP);
    rec.MaxProdR.assign(r.MaxProdR);
    rec.a.assign(r.a);
    rec.bP.assign(r.bP);
    rec.rP.assign(r.rP);
    rec.bE.assign(r.bE);
    rec.rE.assign(r.rE);
    rec.ExpectedVolP.assign(r.ExpectedVolP);
    rec.ExpectedVolE.assign(r.ExpectedVolE);
    rec.LabEquivVol.assign(r.LabEquivVol);
    rec.LabFaceVel.assign(r.LabFaceVel);
    rec.ProdFaceVel.assign(r.ProdFaceVel);
}

void SetConditions(TWineRec& rec, const char* wine, const char* filter, const char* labP,
                   const char* prodP, const char* prodA, const char* rate, int units) {
    TConditions& c = rec.Conditions;
    c.WineName.assign(wine);
    c.FilterName.assign(filter);
    c.LabP.assign(labP);
    c.LabFiltDia.assign("47.0");
    c.ProdP.assign(prodP);
    c.ProdA.assign(prodA);
    c.ProdRate.assign(rate);
    c.ProdRateUnits.set(static_cast<std::uint16_t>(units));
}

TWineRec NewWine() {
    TWineRec rec{};
    SetConditions(rec, "Chardonnay", "Pad K200", " 5.0", "  30", "1.50", " 100", 0);
    SetResults(rec, {"      ", "      ", "      ", "       ", "     ", "     ", "     ", "     ",
                     "      ", "      ", "    ", "    ", "13.2"});
    return rec;
}

TWineRec CalculatedWine() {
    TWineRec rec{};
    SetConditions(rec, "Ros\xE9 R\xE9serve", "Membrane 0.45", "10.0", "  40", "2.00", "50.0", 1);
    rec.LabA.assign(" 17.3");
    SetResults(rec, {"  1.23", "  1.10", " 85.91", "  2.345", "0.734", "0.998", "0.512", "0.991",
                     "    23,456", "    12,345", " 1.2", " 3.4", "25.0"});
    const char* rows[][7] = {{"  50.0", "  1", "30", "0.012", "  1.23", "  1.20", "  1.25"},
                             {"  95.5", "  3", "05", "0.025", "  1.31", "  1.29", "  1.30"},
                             {" 130.0", "  5", "00", "0.036", "  1.45", "  1.44", "  1.41"},
                             {" 160.2", "  7", "15", "0.047", "  1.62", "  1.63", "  1.60"},
                             {" 187.0", " 10", "00", "0.057", "  1.83", "  1.85", "  1.84"}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        TTableRow& row = rec.TableData[i];
        row.V.assign(rows[i][0]);
        row.Min.assign(rows[i][1]);
        row.Sec.assign(rows[i][2]);
        row.VA.assign(rows[i][3]);
        row.R.assign(rows[i][4]);
        row.Rexp.assign(rows[i][5]);
        row.Rpower.assign(rows[i][6]);
    }
    return rec;
}

TEST(ReportTest, NewWineMatchesItsGoldenLines) {
    const ReportLines lines = FillLines(NewWine());
    ExpectGolden(lines.Table, "new-wine-table.txt");
    ExpectGolden(lines.Summary, "new-wine-summary.txt");
}

TEST(ReportTest, CalculatedWineMatchesItsGoldenLines) {
    const ReportLines lines = FillLines(CalculatedWine());
    ExpectGolden(lines.Table, "calculated-wine-table.txt");
    ExpectGolden(lines.Summary, "calculated-wine-summary.txt");
}

TEST(ReportTest, TableColumnsLineUp) {
    const ReportLines lines = FillLines(CalculatedWine());
    ASSERT_EQ(lines.Table.size(), 13u + 1 + 36 + 6);
    EXPECT_EQ(lines.Table[14], "     1     50.0     1 30    0.012      1.23      1.20      1.25");
    const std::string& start = lines.Table[13];
    EXPECT_EQ(start.substr(47, 6), "  1.23");
    EXPECT_EQ(start.substr(57, 6), "  1.10");
    EXPECT_EQ(start.substr(67), " 85.91");
    EXPECT_EQ(lines.Table[22], "     9                       ");
    EXPECT_EQ(lines.Table[23], "    10                       ");
    EXPECT_EQ(lines.Table[49], "    36                       ");
}

TEST(ReportTest, StartingRowShowsTheStoppedMarkUnchanged) {
    TWineRec rec = CalculatedWine();
    rec.RmE.assign("   neg");
    rec.RmP.fillBlanks();
    EXPECT_EQ(FillLines(rec).Table[13],
              "     0      na        00    0.000       na        neg               85.91");
}

TEST(ReportTest, RateUnitFollowsProdRateUnits) {
    TWineRec rec = NewWine();
    EXPECT_EQ(FillLines(rec).Table[6].substr(58), "rate:  100 bpm");
    rec.Conditions.ProdRateUnits.set(1);
    EXPECT_EQ(FillLines(rec).Table[6].substr(58), "rate:  100 gpm");
}

TEST(ReportTest, ShowsTheTextsNotTheBytesAfterThem) {
    TWineRec rec = NewWine();
    rec.Conditions.WineName.assignTruncated("Chardonnay Reserve");
    rec.Conditions.WineName.assign("Syrah");
    EXPECT_EQ(FillLines(rec).Summary[1], " Wine: Syrah");
}

} // namespace
} // namespace zephra
