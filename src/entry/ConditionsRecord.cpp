#include "entry/ConditionsRecord.h"

#include "document/Quantities.h"
#include "document/Windows1252.h"
#include "entry/FixedText.h"
#include "entry/NumberText.h"

namespace zephra {

namespace {

void StoreConditions(TConditions& c, const ConditionsForm& form) {
    // A longer name keeps its first characters here; the notes keep it whole.
    c.WineName.assignTruncated(Utf8ToWin1252(form.WineName));
    c.FilterName.assignTruncated(Utf8ToWin1252(form.FilterName));
    c.WineType.set(static_cast<std::int16_t>(form.WineType));
    c.LabP.assign(form.LabPressure);
    c.LabFiltDia.assign(form.FilterDiameter);
    c.ProdP.assign(form.MaxPressure);
    c.ProdA.assign(form.Area);
    c.ProdRate.assign(form.Rate);
    c.ProdRateUnits.set(form.RateUnits == 0 ? 0 : 1);
}

std::string FirstCharacters(std::string text, std::size_t count) {
    if (text.size() > count) {
        text.resize(count);
    }
    return text;
}

} // namespace

std::string ProdFaceVelText(const std::string& prodRate, const std::string& prodA, int rateUnits) {
    const double r = ReadStoredNumber(prodRate);
    const double A = ReadStoredNumber(prodA);
    const double x = rateUnits == 0 ? r * LitresPerBottle / calc::LitresPerGallon / A : r / A;
    return FirstCharacters(x < 99.5 ? FixedText(x, 4, 1) : FixedText(x, 4, 0), 4);
}

std::string LabAText(const std::string& labFiltDia) {
    const double d = ReadStoredNumber(labFiltDia);
    const double radius = d / 20;
    const double A = radius * radius * calc::Pi;
    return FirstCharacters(A < 999.5 ? FixedText(A, 5, 1) : FixedText(A, 5, 0), 5);
}

TWineRec NewWineRecord(const ConditionsForm& form) {
    TWineRec rec{};
    StoreConditions(rec.Conditions, form);
    rec.Conditions.VolType.set(1);
    rec.Model.set(0);
    const TConditions& c = rec.Conditions;
    rec.ProdFaceVel.assign(ProdFaceVelText(std::string(c.ProdRate.text()),
                                           std::string(c.ProdA.text()), c.ProdRateUnits.get()));
    // The report shows the laboratory filter area from the start, the same
    // value Edit Conditions stores and the calculation uses.
    rec.LabA.assign(LabAText(std::string(c.LabFiltDia.text())));
    rec.bE.fillBlanks();
    rec.bP.fillBlanks();
    rec.rE.fillBlanks();
    rec.rP.fillBlanks();
    rec.a.fillBlanks();
    rec.RmE.fillBlanks();
    rec.RmP.fillBlanks();
    rec.MaxProdR.fillBlanks();
    rec.LabEquivVol.fillBlanks();
    rec.LabFaceVel.fillBlanks();
    rec.ExpectedVolE.assign("      ");
    rec.ExpectedVolP.assign("      ");
    return rec;
}

WineNotes FormNotes(const ConditionsForm& form, WineNotes notes) {
    notes.Comments = form.Comments;
    notes.WineName = NameForNotes(form.WineName);
    notes.FilterName = NameForNotes(form.FilterName);
    return notes;
}

ConditionsForm LoadConditionsForm(const TWineRec& rec, const WineNotes& notes) {
    const TConditions& c = rec.Conditions;
    ConditionsForm form;
    form.WineName = FullWineName(rec, notes);
    form.FilterName = FullFilterName(rec, notes);
    form.Comments = notes.Comments;
    form.WineType = c.WineType.get() == 0 ? 0 : 1;
    form.LabPressure = Win1252ToUtf8(c.LabP.text());
    form.FilterDiameter = Win1252ToUtf8(c.LabFiltDia.text());
    form.MaxPressure = Win1252ToUtf8(c.ProdP.text());
    form.Area = Win1252ToUtf8(c.ProdA.text());
    form.Rate = Win1252ToUtf8(c.ProdRate.text());
    form.RateUnits = c.ProdRateUnits.get() == 0 ? 0 : 1;
    return form;
}

void StoreEditedConditions(TWineRec& rec, WineNotes& notes, const ConditionsForm& form) {
    StoreConditions(rec.Conditions, form);
    rec.LabA.assign(LabAText(std::string(rec.Conditions.LabFiltDia.text())));
    notes = FormNotes(form, std::move(notes));
}

} // namespace zephra
