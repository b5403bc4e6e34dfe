#include "app/wine/CollectNewData.h"

#include "acquisition/ComPortBalance.h"
#include "acquisition/PortDevice.h"
#include "acquisition/ui/CollectionSession.h"
#include "acquisition/ui/NewDataDlg.h"
#include "acquisition/ui/RunsInProgress.h"
#include "app/wine/DesktopCollection.h"

#include <QRadioButton>

namespace zephra {

void CollectNewDataExecute(QWidget& mainWindow, TMDIChild& wineWindow, serial::TComPort& ComPort,
                           UiServices services, std::function<void()> saveAs) {
    if (CollectionInProgress(mainWindow)) {
        services.Boxes.Information(CollectionSession::RunInProgressText);
        return;
    }
    TNewDataDlg dialog(&mainWindow, services.Boxes);
    dialog.MaxDuration18->setChecked(true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto* collection = new DesktopCollection(
        mainWindow, wineWindow, std::make_unique<ComPortBalance>(ComPort),
        std::make_unique<BootTimeRunClock>(), PortDescription(ComPort.DeviceName()), services,
        dialog.Settings(), std::move(saveAs));
    collection->Begin();
}

} // namespace zephra
