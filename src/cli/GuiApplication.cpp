#include "cli/GuiApplication.h"

namespace zephra::cli {

namespace {

// Qt's start-up notes about the session (no XDG_RUNTIME_DIR under cron or
// ssh, say) are no message of the tool's: its standard error carries only
// what went wrong with the command.
void DropStartupNote(QtMsgType, const QMessageLogContext&, const QString&) {}

} // namespace

std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) {
        return nullptr;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "zephra-cli";
    static char* argv[] = {name, nullptr};
    const QtMessageHandler previous = qInstallMessageHandler(DropStartupNote);
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(previous);
    return app;
}

} // namespace zephra::cli
