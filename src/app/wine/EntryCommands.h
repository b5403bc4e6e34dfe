#pragma once

#include "document/MessageBoxes.h"
#include "document/WineRec.h"

#include <QString>

class QWidget;

namespace zephra {

class ProgramSettings;
class TMDIChild;

// The data-entry dialogs as the main window uses them. Each shows its modal
// dialog over `parent`; message boxes go through `boxes`, or the wine
// window's own. Names may hold any Unicode text: in the record what
// Windows-1252 cannot hold is stored as "?", and a name keeps its first 16
// characters after that conversion; the wine's notes keep the full name.
// Should the calculation throw, the exception reaches the caller with the
// edit already stored and the wine marked modified.
//
// With `settings` the conditions dialog shows values in its units and a
// rate confirmed in L/h or hL/h is remembered there as the unit flows are
// shown in; without, New speaks US units and Edit Conditions the window's.

// New wine: shows the Filtration Conditions dialog. When confirmed, `rec`
// (expected zeroed) is filled as a new wine, `notes` receive the full names
// and the comments, `caption` receives the window caption made from the two
// name boxes as typed, and true is returned. No calculation is run.
bool NewWineFromConditions(QWidget* parent, MessageBoxes& boxes, TWineRec& rec, WineNotes& notes,
                           QString& caption);
bool NewWineFromConditions(QWidget* parent, MessageBoxes& boxes, TWineRec& rec, WineNotes& notes,
                           QString& caption, ProgramSettings& settings);

// Edit Conditions on an open wine: loads the dialog from the record and its
// notes; when confirmed stores the conditions, the full names and the
// comments, sets LabA, sets Modified and runs the window's calculation
// cycle with message boxes. Returns true when the wine changed; Cancel
// changes nothing and returns false.
bool EditConditions(QWidget* parent, TMDIChild& window);
bool EditConditions(QWidget* parent, TMDIChild& window, ProgramSettings& settings);

// Edit Data on an open wine: the Filtration Data dialog; when confirmed
// stores the readings and MinSkip, sets Modified and runs the window's
// calculation cycle with message boxes, then warns of rows holding values
// that the calculation does not use. Returns true when the wine changed.
bool EditData(QWidget* parent, TMDIChild& window);

} // namespace zephra
