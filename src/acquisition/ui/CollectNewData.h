#pragma once

#include "document/MessageBoxes.h"
#include "document/ui/UiServices.h"
#include "serial/ComPort.h"

#include <functional>

class QWidget;

namespace zephra {

class TMDIChild;

// The Collect New Data command on `wineWindow`: asks for the density and the
// maximum duration, then runs the collection through `ComPort` while the
// program stays responsive (see CollectionSession); the exchanges with the
// balance run on a thread of their own, which has the port for the run.
// `saveAs` saves the wine window under a new name when the user wants to at
// the end. While a run is in progress the user is told to stop it first and
// nothing else happens.
void CollectNewDataExecute(QWidget& mainWindow, TMDIChild& wineWindow, serial::TComPort& ComPort,
                           UiServices services, std::function<void()> saveAs);

// Whether a run started over `mainWindow` is in progress.
bool CollectionInProgress(const QWidget& mainWindow);

// For the commands that change a wine: when a run started over `mainWindow`
// collects into `wineWindow`, tells the user to stop it first and returns
// true; the command must then do nothing.
bool RefusedDuringCollection(const QWidget& mainWindow, const QWidget& wineWindow,
                             MessageBoxes& boxes);

} // namespace zephra
