#pragma once

#include "document/MessageBoxes.h"

class QWidget;

namespace zephra {

// The collection runs started over a main window, as the commands that must
// wait for them see them.

// Whether a run started over `mainWindow` is in progress.
bool CollectionInProgress(const QWidget& mainWindow);

// For the commands that change a wine: when a run started over `mainWindow`
// collects into `wineWindow`, tells the user to stop it first and returns
// true; the command must then do nothing.
bool RefusedDuringCollection(const QWidget& mainWindow, const QWidget& wineWindow,
                             MessageBoxes& boxes);

} // namespace zephra
