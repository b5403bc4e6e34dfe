#pragma once

#include <QString>

#include <functional>

class QLineEdit;

namespace zephra {

// Routes a paste of several lines into `box` to `pasteTable` instead of the
// box: the platform's Paste key and the Paste item of the box's context
// menu hand the clipboard text over when it holds a line break. Any other
// paste goes into the box as usual.
void InterceptTablePaste(QLineEdit& box, std::function<void(const QString&)> pasteTable);

} // namespace zephra
