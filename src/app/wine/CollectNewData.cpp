#include "app/wine/CollectNewData.h"

#include "acquisition/BalanceFactory.h"
#include "acquisition/ComPortBalance.h"
#include "acquisition/PortDevice.h"
#include "acquisition/ui/CollectionSession.h"
#include "acquisition/ui/NewDataDlg.h"
#include "acquisition/ui/RunsInProgress.h"
#include "app/wine/DesktopCollection.h"
#include "app/wine/WineWindow.h"

#include <QRadioButton>

namespace zephra {

void CollectNewDataExecute(QWidget& mainWindow, TMDIChild& wineWindow, serial::TComPort& ComPort,
                           UiServices services, std::function<void()> save,
                           const std::optional<BalanceProfile>& profile) {
    if (CollectionInProgress(mainWindow)) {
        services.Boxes.Information(CollectionSession::RunInProgressMessage());
        return;
    }
    if (const std::string problem = RunRoomProblem(wineWindow.WineClass.Notes); !problem.empty()) {
        services.Boxes.Information(problem);
        return;
    }
    TNewDataDlg dialog(&mainWindow, services.Boxes);
    dialog.MaxDuration18->setChecked(true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::unique_ptr<Balance> balance =
        profile ? MakeBalance(*profile, ComPort) : std::make_unique<ComPortBalance>(ComPort);
    const std::string where = profile ? BalanceWhere(*profile, ComPort) : ComPort.DeviceName();
    auto* collection = new DesktopCollection(
        mainWindow, wineWindow, std::move(balance), std::make_unique<BootTimeRunClock>(),
        PortDescription(where), services, dialog.Settings(), std::move(save));
    collection->Begin();
}

} // namespace zephra
