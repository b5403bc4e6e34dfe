#pragma once

class QObject;

namespace zephra::serial::ui {

/// Gives the serial component its Qt side: installs a main-thread dispatcher
/// owned by `owner` (normally the application object) and the port-settings
/// dialog. Call once on the main thread after the application object exists.
void InstallSerialUi(QObject* owner);

} // namespace zephra::serial::ui
