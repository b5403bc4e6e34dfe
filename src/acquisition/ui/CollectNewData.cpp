#include "acquisition/ui/CollectNewData.h"

#include "acquisition/ComPortBalance.h"
#include "acquisition/ui/CollectionSession.h"
#include "acquisition/ui/NewDataDlg.h"
#include "acquisition/ui/WineWindowTarget.h"
#include "document/ui/MDIChild.h"

#include <QRadioButton>

namespace zephra {

namespace {

// Everything one run on a wine window needs, alive until the run has ended.
class DesktopCollection : public QObject {
public:
    DesktopCollection(QWidget& mainWindow, TMDIChild& wineWindow, serial::TComPort& ComPort,
                      UiServices services, RunSettings settings, std::function<void()> saveAs)
        : QObject(&mainWindow), balance_(ComPort), target_(wineWindow, services.Boxes),
          session_(mainWindow, wineWindow, target_, balance_, clock_, services.Boxes, settings,
                   std::move(saveAs), this) {
        connect(&session_, &CollectionSession::Finished, this, &QObject::deleteLater);
    }
    void Begin() { session_.Begin(); }

private:
    ComPortBalance balance_;
    SteadyRunClock clock_;
    WineWindowTarget target_;
    CollectionSession session_;
};

} // namespace

bool CollectionInProgress(const QWidget& mainWindow) {
    for (const CollectionSession* session : mainWindow.findChildren<CollectionSession*>()) {
        if (session->Running())
            return true;
    }
    return false;
}

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
    auto* collection = new DesktopCollection(mainWindow, wineWindow, ComPort, services,
                                             dialog.Settings(), std::move(saveAs));
    collection->Begin();
}

} // namespace zephra
