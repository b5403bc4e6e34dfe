#pragma once

#include "acquisition/BalanceProfile.h"
#include "acquisition/EnvironmentRec.h"
#include "document/MessageBoxes.h"
#include "serial/ComPort.h"

#include <string>

class QWidget;

namespace zephra {

// The "Set Scale Connection" command: shows TCOMDlg over `owner` with the
// button of the stored port selected. On OK with a port selected: the port's
// device name becomes "COM" + n, `Environment` takes n and the settings file
// at `settingsPath` is rewritten (also when n did not change). A failed write
// is shown as an error; the new port stays in effect until the program ends.
// Cancel, or OK with no button selected (possible only when the stored number
// is outside 1 to 9), changes nothing. While a run started over `owner` is
// in progress the user is told to stop it first.
//
// With `balance`, the dialog's balance section shows its profile, and on OK
// the section's balance becomes the profile in effect and is written to
// its file, unless it is the ESC P link at its own settings and no file
// kept another (so a lab that never opened the section gets no file).
// With a network address a COM port need not be selected. A failed write
// is shown as an error; the new profile stays in effect until the program
// ends.
void SetScaleConnectionExecute(QWidget* owner, TEnvironmentRec& Environment,
                               serial::TComPort& ComPort, MessageBoxes& boxes,
                               const std::string& settingsPath, BalanceSetup* balance = nullptr);

// The message shown when the settings file cannot be written.
std::string SettingsWriteErrorText(int errorCode);
// The message shown when the balance profile cannot be written.
std::string ProfileWriteErrorText(int errorCode);

} // namespace zephra
