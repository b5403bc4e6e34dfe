#pragma once

#include "document/MessageBoxes.h"
#include "document/WineRec.h"

class QLabel;
class QWidget;

namespace zephra {

// Redraws the wine window's small graph (250 x 200) from the record. On an
// arithmetic fault the picture is abandoned, the control keeps what it
// showed, and the fault is reported through `boxes`.
void DrawGraph(QLabel& graph, const TWineRec& rec, MessageBoxes& boxes);

// Opens a new top-level laboratory-scale / production-scale graph window
// showing a snapshot of `rec`. The window deletes itself when closed.
// Returns nullptr (after reporting through `boxes`) when the picture could
// not be drawn.
QWidget* OpenLabGraph(const TWineRec& rec, MessageBoxes& boxes);
QWidget* OpenProductionGraph(const TWineRec& rec, MessageBoxes& boxes);

} // namespace zephra
