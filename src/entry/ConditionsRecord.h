#pragma once

// Moving the filtration conditions between the dialog's form and the wine
// record with its notes: creating a new wine, loading the form for Edit
// Conditions and storing the edited conditions back. Each function expects a form that has
// passed ConditionsRangeCheck (its numeric texts are in stored form). The
// caller sets the wine's Modified flag and, after editing, recalculates.

#include "document/WineRec.h"
#include "entry/ConditionsCheck.h"

#include <string>

namespace zephra {

// The record of a new wine: every byte zero, then the names (converted to
// Windows-1252, first 16 characters), WineType, VolType = 1, the five
// numeric texts, ProdRateUnits, Model = 0, ProdFaceVel from the stored rate
// and area, LabA from the stored filter diameter (as Edit Conditions sets
// it), and the result fields blank (as many blanks as their capacity, six in
// the two expected volumes). aReal, the readings, MinSkip and the report
// table stay empty. Nothing is calculated.
TWineRec NewWineRecord(const ConditionsForm& form);

// The notes of a wine confirmed with `form`: the comments, and each name
// in full where the record cannot hold it (NameForNotes). The rest (the
// time the trial started, keys of a later version) is kept from `notes`.
WineNotes FormNotes(const ConditionsForm& form, WineNotes notes = {});

// The dialog's form as loaded from a wine for Edit Conditions: the names in
// full and the comments (UTF-8), the numeric texts as stored, the Wine Type
// choice from WineType (Dessert for any value other than 0) and "gpm" for
// any ProdRateUnits other than 0.
ConditionsForm LoadConditionsForm(const TWineRec& rec, const WineNotes& notes);

// Stores an edited form: names (first 16 characters), WineType, the five
// numeric texts, ProdRateUnits; then LabA from the stored filter diameter;
// the notes as FormNotes makes them. VolType is not changed. Only the
// length byte and the text bytes of each short string are written.
void StoreEditedConditions(TWineRec& rec, WineNotes& notes, const ConditionsForm& form);

// The production face velocity text (US gallons per minute per m²) from the
// stored rate and area texts: one decimal below 99.5, none from there on,
// at most 4 characters.
std::string ProdFaceVelText(const std::string& prodRate, const std::string& prodA, int rateUnits);

// The laboratory filter area text (cm²) from the stored diameter text (mm):
// one decimal below 999.5, none from there on, at most 5 characters.
std::string LabAText(const std::string& labFiltDia);

} // namespace zephra
