#include "app/wine/CollectNewData.h"

#include "acquisition/BalanceFactory.h"
#include "acquisition/ComPortBalance.h"
#include "acquisition/ExchangeThread.h"
#include "acquisition/PortDevice.h"
#include "acquisition/ui/CollectionSession.h"
#include "acquisition/ui/NewDataDlg.h"
#include "acquisition/ui/RunsInProgress.h"
#include "app/wine/WineWindow.h"
#include "app/wine/WineWindowTarget.h"

#include <QRadioButton>

namespace zephra {

namespace {

// Everything one run on a wine window needs, alive until the run has ended.
class DesktopCollection : public QObject {
public:
    DesktopCollection(QWidget& mainWindow, TMDIChild& wineWindow, serial::TComPort& ComPort,
                      UiServices services, RunSettings settings, std::function<void()> save,
                      const std::optional<BalanceProfile>& profile)
        : QObject(&mainWindow), balance_(MakeRunBalance(ComPort, profile)), target_(wineWindow),
          exchanges_(*balance_, clock_, [this] { PassSoon(); }),
          session_(
              mainWindow, wineWindow, target_, exchanges_, clock_, services.Boxes, settings,
              PortDescription(profile ? BalanceWhere(*profile, ComPort) : ComPort.DeviceName()),
              std::move(save), this) {
        connect(&session_, &CollectionSession::Finished, this, &QObject::deleteLater);
    }
    void Begin() { session_.Begin(); }

private:
    static std::unique_ptr<Balance> MakeRunBalance(serial::TComPort& ComPort,
                                                   const std::optional<BalanceProfile>& profile) {
        if (profile)
            return MakeBalance(*profile, ComPort);
        return std::make_unique<ComPortBalance>(ComPort);
    }

    // Called on the exchange thread: the session takes the outcome up on
    // the main thread at once.
    void PassSoon() {
        QMetaObject::invokeMethod(
            this, [this] { session_.Pass(); }, Qt::QueuedConnection);
    }

    std::unique_ptr<Balance> balance_;
    BootTimeRunClock clock_;
    WineWindowTarget target_;
    ExchangeThread exchanges_;
    CollectionSession session_;
};

} // namespace

void CollectNewDataExecute(QWidget& mainWindow, TMDIChild& wineWindow, serial::TComPort& ComPort,
                           UiServices services, std::function<void()> save,
                           const std::optional<BalanceProfile>& profile) {
    if (CollectionInProgress(mainWindow)) {
        services.Boxes.Information(CollectionSession::RunInProgressText);
        return;
    }
    TNewDataDlg dialog(&mainWindow, services.Boxes);
    dialog.MaxDuration18->setChecked(true);
    if (dialog.exec() != QDialog::Accepted)
        return;
    auto* collection = new DesktopCollection(mainWindow, wineWindow, ComPort, services,
                                             dialog.Settings(), std::move(save), profile);
    collection->Begin();
}

} // namespace zephra
