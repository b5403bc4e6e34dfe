#include "acquisition/ui/ScaleConnection.h"

#include "acquisition/ComPortBalance.h"
#include "acquisition/SettingsFile.h"
#include "acquisition/ui/COMDlg.h"
#include "acquisition/ui/CollectionSession.h"
#include "acquisition/ui/RunsInProgress.h"

#include <QCoreApplication>

namespace zephra {

std::string SettingsWriteErrorText(int errorCode) {
    return QCoreApplication::translate(
               "ScaleConnection",
               "I/O Error type %1 occurred while writing environment file ZEPHRA.DAT.")
        .arg(errorCode)
        .toStdString();
}

std::string ProfileWriteErrorText(int errorCode) {
    return QCoreApplication::translate(
               "ScaleConnection",
               "I/O Error type %1 occurred while writing the balance settings BALANCE.CONF.")
        .arg(errorCode)
        .toStdString();
}

namespace {

// Takes the dialog's balance into `balance` and its file.
void TakeProfile(const TCOMDlg& dialog, BalanceSetup& balance, MessageBoxes& boxes) {
    const std::optional<BalanceProfile> chosen = dialog.Profile();
    if (!chosen || (!balance.profile && *chosen == BalanceProfile{}))
        return;
    balance.profile = chosen;
    if (const int error = WriteBalanceProfile(balance.path, *chosen))
        boxes.Error(ProfileWriteErrorText(error));
}

} // namespace

void SetScaleConnectionExecute(QWidget* owner, TEnvironmentRec& Environment,
                               serial::TComPort& ComPort, MessageBoxes& boxes,
                               const std::string& settingsPath, BalanceSetup* balance) {
    // A run reads the device name at every exchange: it must not change under it.
    if (owner && CollectionInProgress(*owner)) {
        boxes.Information(CollectionSession::RunInProgressMessage());
        return;
    }
    TCOMDlg dialog(owner, balance ? balance->profile : std::nullopt);
    dialog.SelectPort(Environment.ScalePortNumber());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int n = dialog.SelectedPort();
    const bool onNetwork = balance && dialog.Profile() && !dialog.Profile()->Address.empty();
    if (n == 0 && !onNetwork)
        return;
    if (n != 0) {
        ComPort.SetDeviceName(BalanceDeviceName(n));
        Environment.SetScalePortNumber(n);
        if (const int error = WriteDataFile(settingsPath, Environment))
            boxes.Error(SettingsWriteErrorText(error));
    }
    if (balance)
        TakeProfile(dialog, *balance, boxes);
}

} // namespace zephra
