#pragma once

#include "document/MessageBoxes.h"
#include "serial/ComPort.h"
#include "ui_common/UiServices.h"

#include <functional>

class QWidget;

namespace zephra {

class TMDIChild;

// The Collect New Data command on `wineWindow`: asks for the density and the
// maximum duration, then runs the collection through `ComPort` while the
// program stays responsive (see CollectionSession); the exchanges with the
// balance run on a thread of their own, which has the port for the run.
// `saveAs` saves the wine window (to its file, or under a new name for a
// wine never saved) when the user wants to at the end. While a run is in progress the user is told
// to stop it first and nothing else happens.
void CollectNewDataExecute(QWidget& mainWindow, TMDIChild& wineWindow, serial::TComPort& ComPort,
                           UiServices services, std::function<void()> saveAs);

} // namespace zephra
