#pragma once

#include "document/MessageBoxes.h"

class QWidget;

namespace zephra {

class WineWindows;

// The start-up check for collected data a program left unsaved when it
// ended (a crash, a kill, a power cut): for each recovery journal left in
// the recovery folder, the "Recover Collected Data" dialog offers to
// restore its wine into a new wine window of `documents` (modified, under
// its file name when it had one) or to discard it; closing the dialog keeps
// the journal for the next start. A journal that cannot be read is
// reported through `boxes` and moved aside, never in the way of the start.
// Returns true when a wine was restored.
bool RecoverCollectedData(QWidget& frame, WineWindows& documents, MessageBoxes& boxes);

} // namespace zephra
