#pragma once

#include "acquisition/Balance.h"
#include "acquisition/CollectionRun.h"
#include "acquisition/ExchangeThread.h"
#include "acquisition/RunClock.h"
#include "acquisition/ui/CollectionSession.h"
#include "app/wine/WineWindowTarget.h"
#include "ui_common/UiServices.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace zephra {

class TMDIChild;

// One collection run on a wine window with everything it needs: the balance,
// the run's clock, the exchange thread that owns the balance for the run,
// and the run on screen. A child of the main window; it deletes itself once
// the run has ended and its question is answered. Deleting it earlier ends
// the run at once and waits until the exchange thread has let the balance
// and its port go.
class DesktopCollection : public QObject {
    Q_OBJECT

public:
    // `portText` names the balance's port in the progress window; `saveAs`
    // saves the wine when the user wants to at the end.
    DesktopCollection(QWidget& mainWindow, TMDIChild& wineWindow, std::unique_ptr<Balance> balance,
                      std::unique_ptr<RunClock> clock, std::string portText, UiServices services,
                      RunSettings settings, std::function<void()> saveAs);
    ~DesktopCollection() override;

    // Clears the wine and starts the run.
    void Begin();
    CollectionSession& Session() { return session_; }

private:
    void PassSoon();

    std::unique_ptr<Balance> balance_;
    std::unique_ptr<RunClock> clock_;
    WineWindowTarget target_;
    ExchangeThread exchanges_;
    CollectionSession session_;
};

// Ends at once every run started over `mainWindow` and waits until their
// exchange threads have let the balance's port go: the main window calls it
// before anything such a thread uses (its port) is destroyed.
void EndCollections(QWidget& mainWindow);

} // namespace zephra
