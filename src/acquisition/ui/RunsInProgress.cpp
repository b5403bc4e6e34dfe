#include "acquisition/ui/RunsInProgress.h"

#include "acquisition/ui/CollectionSession.h"

#include <QWidget>

namespace zephra {

bool CollectionInProgress(const QWidget& mainWindow) {
    for (const CollectionSession* session : mainWindow.findChildren<CollectionSession*>()) {
        if (session->InProgress())
            return true;
    }
    return false;
}

bool RefusedDuringCollection(const QWidget& mainWindow, const QWidget& wineWindow,
                             MessageBoxes& boxes) {
    for (const CollectionSession* session : mainWindow.findChildren<CollectionSession*>()) {
        if (session->CollectsInto(wineWindow)) {
            boxes.Information(CollectionSession::RunInProgressMessage());
            return true;
        }
    }
    return false;
}

} // namespace zephra
