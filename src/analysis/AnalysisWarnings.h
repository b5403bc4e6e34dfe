#pragma once

#include "document/MessageBoxes.h"

#include <string>

namespace zephra {

// The warnings of one calculation: shown as warning boxes with an OK button
// when the caller asked for dialogs, dropped otherwise.
class AnalysisWarnings {
public:
    AnalysisWarnings(bool ShowDialogs, MessageBoxes& boxes) : show_(ShowDialogs), boxes_(boxes) {}

    void Warn(const std::string& text) {
        if (show_) {
            boxes_.Warning(text);
        }
    }

private:
    bool show_;
    MessageBoxes& boxes_;
};

} // namespace zephra
