#pragma once

#include "document/MessageBoxes.h"

namespace zephra {

// Message boxes as QMessageBox, shown modally over the active window. The
// text is shown as plain text, so paths are never read as markup.
class QtMessageBoxes : public MessageBoxes {
public:
    BoxAnswer Show(BoxKind kind, const std::string& text, BoxButtons buttons,
                   BoxAnswer defaultButton) override;
};

} // namespace zephra
