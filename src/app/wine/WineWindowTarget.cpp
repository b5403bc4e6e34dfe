#include "app/wine/WineWindowTarget.h"

#include "app/wine/WineWindow.h"

namespace zephra {

TWineClass& WineWindowTarget::Wine() {
    return window_.WineClass;
}

void WineWindowTarget::Refresh() {
    window_.FillLines();
}

std::string WineWindowTarget::KeepStoredPoint() {
    return window_.KeepForRecovery();
}

} // namespace zephra
