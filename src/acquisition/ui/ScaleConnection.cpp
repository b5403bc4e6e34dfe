#include "acquisition/ui/ScaleConnection.h"

#include "acquisition/ComPortBalance.h"
#include "acquisition/SettingsFile.h"
#include "acquisition/ui/COMDlg.h"
#include "acquisition/ui/CollectionSession.h"
#include "acquisition/ui/RunsInProgress.h"

namespace zephra {

std::string SettingsWriteErrorText(int errorCode) {
    return "I/O Error type " + std::to_string(errorCode) +
           " occurred while writing environment file ZEPHRA.DAT.";
}

void SetScaleConnectionExecute(QWidget* owner, TEnvironmentRec& Environment,
                               serial::TComPort& ComPort, MessageBoxes& boxes,
                               const std::string& settingsPath) {
    // A run reads the device name at every exchange: it must not change under it.
    if (owner && CollectionInProgress(*owner)) {
        boxes.Information(CollectionSession::RunInProgressText);
        return;
    }
    TCOMDlg dialog(owner);
    dialog.SelectPort(Environment.ScalePortNumber());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int n = dialog.SelectedPort();
    if (n == 0)
        return;
    ComPort.SetDeviceName(BalanceDeviceName(n));
    Environment.SetScalePortNumber(n);
    if (const int error = WriteDataFile(settingsPath, Environment))
        boxes.Error(SettingsWriteErrorText(error));
}

} // namespace zephra
