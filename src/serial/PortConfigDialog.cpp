#include "serial/PortConfigDialog.h"

#include <atomic>

namespace zephra::serial {

namespace {
std::atomic<TPortConfigDialog*> gDialog{nullptr};
}

void SetPortConfigDialog(TPortConfigDialog* Dialog) {
    gDialog = Dialog;
}

TPortConfigDialog* PortConfigDialog() {
    return gDialog;
}

} // namespace zephra::serial
