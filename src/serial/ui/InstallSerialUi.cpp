#include "InstallSerialUi.h"

#include "PortSettingsDialog.h"
#include "QtMainThreadDispatcher.h"

namespace zephra::serial::ui {

void InstallSerialUi(QObject* owner) {
    SetMainThreadDispatcher(new QtMainThreadDispatcher(owner));
    static QtPortConfigDialog dialog;
    SetPortConfigDialog(&dialog);
}

} // namespace zephra::serial::ui
