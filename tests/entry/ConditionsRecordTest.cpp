#include "entry/ConditionsRecord.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zephra {
namespace {

ConditionsForm Checked(const char* rate, const char* area, int units) {
    ConditionsForm form;
    form.WineName = "Ros\xC3\xA9 de Provence 2024"; // 21 characters, é in UTF-8
    form.FilterName = "Pad K200";
    form.WineType = 1;
    form.LabPressure = " 5.0";
    form.FilterDiameter = "47.0";
    form.MaxPressure = "  30";
    form.Area = area;
    form.Rate = rate;
    form.RateUnits = units;
    return form;
}

TEST(ConditionsRecordTest, ProductionFaceVelocity) {
    struct Case {
        const char* rate;
        const char* area;
        int units;
        const char* text;
    };
    const Case cases[] = {
        {" 100", "1.50", 0, "13.2"}, // 100 * 0.75 / 3.7854 / 1.5 = 13.208...
        {" 200", "1.00", 1, " 200"}, {"99.5", "1.00", 1, " 100"}, // from 99.5 on, no decimal
        {"99.4", "1.00", 1, "99.4"}, {"1999", "0.20", 1, "9995"}, {" 0.1", "1000", 0, " 0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ProdFaceVelText(c.rate, c.area, c.units), c.text);
    }
}

TEST(ConditionsRecordTest, LaboratoryArea) {
    EXPECT_EQ(LabAText("47.0"), " 17.3");
    EXPECT_EQ(LabAText("1000"), " 7854");
    EXPECT_EQ(LabAText(" 1.0"), "  0.0");
    EXPECT_EQ(LabAText(" 356"), "995.4");
    EXPECT_EQ(LabAText(" 357"), " 1001");
}

TEST(ConditionsRecordTest, NewWineRecord) {
    const TWineRec rec = NewWineRecord(Checked(" 100", "1.50", 0));
    const TConditions& c = rec.Conditions;
    EXPECT_EQ(c.WineName.text(), "Ros\xE9 de Provence");
    EXPECT_EQ(c.FilterName.text(), "Pad K200");
    EXPECT_EQ(c.VolType.get(), 1);
    EXPECT_EQ(c.WineType.get(), 1);
    EXPECT_EQ(c.LabP.text(), " 5.0");
    EXPECT_EQ(c.LabFiltDia.text(), "47.0");
    EXPECT_EQ(c.ProdP.text(), "  30");
    EXPECT_EQ(c.ProdA.text(), "1.50");
    EXPECT_EQ(c.ProdRate.text(), " 100");
    EXPECT_EQ(c.ProdRateUnits.get(), 0);
    EXPECT_EQ(rec.Model.get(), 0);
    EXPECT_EQ(rec.ProdFaceVel.text(), "13.2");
    EXPECT_EQ(rec.LabA.text(), " 17.3") << "a new wine has its laboratory filter area at once";

    EXPECT_EQ(rec.bE.text(), "     ");
    EXPECT_EQ(rec.bP.text(), "     ");
    EXPECT_EQ(rec.rE.text(), "     ");
    EXPECT_EQ(rec.rP.text(), "     ");
    EXPECT_EQ(rec.a.text(), "       ");
    EXPECT_EQ(rec.RmE.text(), "      ");
    EXPECT_EQ(rec.RmP.text(), "      ");
    EXPECT_EQ(rec.MaxProdR.text(), "      ");
    EXPECT_EQ(rec.LabEquivVol.text(), "    ");
    EXPECT_EQ(rec.LabFaceVel.text(), "    ");
    EXPECT_EQ(rec.ExpectedVolE.text(), "      ");
    EXPECT_EQ(rec.ExpectedVolP.text(), "      ");

    // Readings, skip, aReal and the table stay zero.
    const auto* data = reinterpret_cast<const unsigned char*>(&rec.Data);
    EXPECT_TRUE(std::all_of(data, data + sizeof rec.Data, [](unsigned char b) { return b == 0; }));
    const auto* table = reinterpret_cast<const unsigned char*>(rec.TableData);
    EXPECT_TRUE(
        std::all_of(table, table + sizeof rec.TableData, [](unsigned char b) { return b == 0; }));
    EXPECT_EQ(rec.aReal.bytes[0], 0);
    EXPECT_EQ(rec.ExpectedVolE.chars[6], 0) << "only six blanks are written";
}

TEST(ConditionsRecordTest, EditingStoresTheConditionsAndTheLaboratoryArea) {
    TWineRec rec = NewWineRecord(Checked(" 100", "1.50", 0));
    rec.Conditions.VolType.set(7);
    WineNotes notes;
    ConditionsForm form = LoadConditionsForm(rec, notes);
    EXPECT_EQ(form.WineName, "Ros\xC3\xA9 de Provence");
    EXPECT_EQ(form.WineType, 1);
    EXPECT_EQ(form.RateUnits, 0);
    EXPECT_EQ(form.Area, "1.50");
    EXPECT_EQ(form.Comments, "");

    form.WineName = "Syrah";
    form.WineType = 0;
    form.FilterDiameter = "1000";
    form.Rate = " 200";
    form.RateUnits = 1;
    StoreEditedConditions(rec, notes, form);
    EXPECT_EQ(rec.Conditions.WineName.text(), "Syrah");
    // The bytes after the shorter name keep what they held.
    EXPECT_EQ(std::memcmp(rec.Conditions.WineName.chars + 5, "de Provence", 11), 0);
    EXPECT_EQ(rec.Conditions.WineType.get(), 0);
    EXPECT_EQ(rec.Conditions.VolType.get(), 7);
    EXPECT_EQ(rec.Conditions.ProdRate.text(), " 200");
    EXPECT_EQ(rec.Conditions.ProdRateUnits.get(), 1);
    EXPECT_EQ(rec.LabA.text(), " 7854");
    EXPECT_TRUE(notes.Empty()) << "short names and no comments need no notes";
}

TEST(ConditionsRecordTest, FullNamesAndCommentsGoToTheNotes) {
    ConditionsForm form = Checked(" 100", "1.50", 0);
    form.WineName = "Sauvignon Blanc 25 Reserve Lot";
    form.FilterName = "K250";
    form.Comments = "Cold stabilised";
    const TWineRec rec = NewWineRecord(form);
    WineNotes notes = FormNotes(form);
    EXPECT_EQ(rec.Conditions.WineName.text(), "Sauvignon Blanc ");
    EXPECT_EQ(notes.WineName, "Sauvignon Blanc 25 Reserve Lot");
    EXPECT_EQ(notes.FilterName, "") << "the record holds it";
    EXPECT_EQ(notes.Comments, "Cold stabilised");

    // Loaded again, the dialog shows the full names and the comments.
    const ConditionsForm loaded = LoadConditionsForm(rec, notes);
    EXPECT_EQ(loaded.WineName, form.WineName);
    EXPECT_EQ(loaded.FilterName, "K250");
    EXPECT_EQ(loaded.Comments, form.Comments);

    // Editing the conditions keeps what the dialog does not show.
    notes.TrialStarted = "2026-05-14T09:31:07+02:00";
    notes.LaterKeys["reading_times_ds"] = "[150]";
    TWineRec edited = rec;
    ConditionsForm changed = loaded;
    changed.WineName = "Merlot";
    changed.Comments = "";
    StoreEditedConditions(edited, notes, changed);
    EXPECT_EQ(notes.WineName, "");
    EXPECT_EQ(notes.Comments, "");
    EXPECT_EQ(notes.TrialStarted, "2026-05-14T09:31:07+02:00");
    EXPECT_EQ(notes.LaterKeys.at("reading_times_ds"), "[150]");
}

} // namespace
} // namespace zephra
