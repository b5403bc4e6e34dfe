#pragma once

#include "analysis/LabSettings.h"
#include "document/MessageBoxes.h"
#include "document/WineNotes.h"
#include "document/WineRec.h"
#include "entry/UnitSystem.h"

class QLabel;
class QWidget;

namespace zephra {

// Redraws the wine window's small graph from the record, on a picture of
// the control's size in the control's own background and text colours, and
// shows it. Call it as the last step of every report refresh. On an
// arithmetic fault the picture is abandoned, the control keeps what it
// showed, and the fault is reported through `boxes` as an error.
void DrawGraph(QLabel& graph, const TWineRec& rec, MessageBoxes& boxes);

// Opens a new top-level laboratory-scale / production-scale graph window
// (700 x 600, fixed size, close button only) and draws a snapshot of `rec`
// into it; later changes to the wine do not reach it. The window deletes
// itself when closed; any number can be open. When an arithmetic fault
// abandons the picture, the window stays open with its caption and an
// empty client area, and the fault is reported through `boxes`. `boxes`
// also reports a failed "Save Picture As..." and must outlive the window.
// With an `owner` (the main window) the graph window is transient for it, so
// it stays above the owner and is never lost behind it, it opens centred
// over the owner within the owner's screen, each further open graph window
// of the owner 24 pixels right of and below that place, and it is released
// with the owner.
// The title names the wine by its full name from `notes`.
QWidget* OpenLabGraph(const TWineRec& rec, MessageBoxes& boxes, QWidget* owner = nullptr,
                      const WineNotes& notes = {});
QWidget* OpenProductionGraph(const TWineRec& rec, MessageBoxes& boxes, QWidget* owner = nullptr,
                             const WineNotes& notes = {});

// Opens a new top-level "Fouling Analysis" window for a snapshot of `rec`,
// with the readings' times of its `notes`, as the graph windows are opened,
// its volumes in `units`, analysed with the lab's settings.
QWidget* OpenFoulingAnalysis(const TWineRec& rec, MessageBoxes& boxes, QWidget* owner = nullptr,
                             const WineNotes& notes = {}, const DisplayUnits& units = UsUnits,
                             const LabSettings& lab = {});

} // namespace zephra
