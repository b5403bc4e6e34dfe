#pragma once

#include "acquisition/BalanceProfile.h"
#include "document/MessageBoxes.h"
#include "serial/ComPort.h"
#include "ui_common/UiServices.h"

#include <functional>
#include <optional>

class QWidget;

namespace zephra {

class TMDIChild;

// The Collect New Data command on `wineWindow`: asks for the density and the
// maximum duration, then runs the collection through `ComPort` while the
// program stays responsive (see CollectionSession); the exchanges with the
// balance run on a thread of their own, which has the port for the run.
// `save` saves the wine window (to its file, or under a new name for a wine
// never saved) when the user wants to at the end. While a run is in
// progress the user is told to stop it first and nothing else happens. With
// a balance `profile` the run talks to the balance it describes (on
// `ComPort` with the profile's line settings, or on the network), else to
// the ESC P link on `ComPort` as it is set up.
void CollectNewDataExecute(QWidget& mainWindow, TMDIChild& wineWindow, serial::TComPort& ComPort,
                           UiServices services, std::function<void()> save,
                           const std::optional<BalanceProfile>& profile = std::nullopt);

} // namespace zephra
