#include "AnalysisTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace zephra::test {

TWineRec MakeWine(const ConditionTexts& conditions, const std::vector<Reading>& readings,
                  std::uint16_t minSkip) {
    TWineRec rec{};
    rec.Conditions.WineName.assign("Test wine");
    rec.Conditions.LabP.assign(conditions.LabP);
    rec.Conditions.LabFiltDia.assign(conditions.LabFiltDia);
    rec.Conditions.ProdP.assign(conditions.ProdP);
    rec.Conditions.ProdA.assign(conditions.ProdA);
    rec.Conditions.ProdRate.assign(conditions.ProdRate);
    rec.Conditions.ProdRateUnits.set(conditions.ProdRateUnits);
    rec.Conditions.WineType.set(conditions.WineType);
    rec.Conditions.VolType.set(1);
    for (std::size_t i = 0; i < readings.size() && i < 36; ++i) {
        rec.Data.V[i].assign(readings[i].V);
        rec.Data.T[i].M.assign(readings[i].M);
        rec.Data.T[i].Sc.assign(readings[i].Sc);
    }
    rec.Data.MinSkip.set(minSkip);
    return rec;
}

std::vector<Reading> ReadingsEvery(int interval, const std::vector<std::string>& volumes) {
    std::vector<Reading> readings;
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        const int t = interval * static_cast<int>(i + 1);
        char minutes[16];
        char seconds[16];
        std::snprintf(minutes, sizeof minutes, "%3d", t / 60);
        std::snprintf(seconds, sizeof seconds, "%02d", t % 60);
        readings.push_back({volumes[i], minutes, seconds});
    }
    return readings;
}

std::vector<std::string> TypicalVolumes() {
    return {"   7.2", "  14.2", "  21.2", "  28.0", "  34.6", "  41.1", "  47.5", "  53.7",
            "  59.7", "  65.6", "  71.3", "  76.9", "  82.4", "  87.7", "  92.9", "  98.0",
            " 103.0", " 107.8", " 112.6", " 117.2", " 121.8", " 126.2", " 130.6", " 134.9",
            " 139.0", " 143.2", " 147.2", " 151.2", " 155.1", " 158.9", " 162.7", " 166.4",
            " 170.1", " 173.6", " 177.2", " 180.7"};
}

TWineRec TypicalWine() {
    return MakeWine({}, ReadingsEvery(15, TypicalVolumes()));
}

std::vector<std::string> AllTexts(const TWineRec& rec) {
    std::vector<std::string> texts = {
        Text(rec.MaxProdR),     Text(rec.bE),          Text(rec.bP),
        Text(rec.rE),           Text(rec.rP),          Text(rec.a),
        Text(rec.RmE),          Text(rec.RmP),         Text(rec.ExpectedVolE),
        Text(rec.ExpectedVolP), Text(rec.LabEquivVol), Text(rec.LabFaceVel),
        Text(rec.ProdFaceVel)};
    for (const TTableRow& row : rec.TableData) {
        for (const std::string& cell : {Text(row.V), Text(row.Min), Text(row.Sec), Text(row.VA),
                                        Text(row.R), Text(row.Rexp), Text(row.Rpower)}) {
            texts.push_back(cell);
        }
    }
    return texts;
}

void ExpectBlankResults(const TWineRec& rec, const std::string& RmE) {
    EXPECT_EQ(Text(rec.RmE), RmE);
    EXPECT_EQ(Text(rec.RmP), "      ");
    EXPECT_EQ(Text(rec.rE), "     ");
    EXPECT_EQ(Text(rec.rP), "     ");
    EXPECT_EQ(Text(rec.bE), "     ");
    EXPECT_EQ(Text(rec.bP), "     ");
    EXPECT_EQ(Text(rec.a), "       ");
    EXPECT_EQ(Text(rec.ExpectedVolE), "      ");
    EXPECT_EQ(Text(rec.ExpectedVolP), "      ");
    EXPECT_EQ(Text(rec.LabEquivVol), "    ");
    EXPECT_EQ(Text(rec.LabFaceVel), "    ");
    EXPECT_EQ(Text(rec.ProdFaceVel), "    ");
    EXPECT_EQ(rec.Model.get(), 0);
}

} // namespace zephra::test
