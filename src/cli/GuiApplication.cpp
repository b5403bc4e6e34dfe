#include "cli/GuiApplication.h"

namespace zephra::cli {

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
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace zephra::cli
