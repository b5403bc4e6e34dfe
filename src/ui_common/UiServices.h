#pragma once

#include "document/MessageBoxes.h"
#include "ui_common/Clock.h"
#include "ui_common/FileDialogs.h"

namespace zephra {

// The platform services a window needs to talk to the user, handed down from
// the program's entry (Qt ones) or from a test (scripted ones).
struct UiServices {
    MessageBoxes& Boxes;
    FileDialogs& Dialogs;
    Clock& Time;
};

} // namespace zephra
