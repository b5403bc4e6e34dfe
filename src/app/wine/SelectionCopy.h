#pragma once

class QWidget;

namespace zephra {

// Lets Ctrl+C (the platform's Copy key) copy the selected text of a
// read-only report panel. While the panel has the focus and a selection,
// the key goes to the panel instead of to a window shortcut bound to the
// same key; without a selection the shortcut runs as before. `panel` is a
// QTextEdit or a QPlainTextEdit; it takes the focus when clicked.
void LetCopyKeyCopySelection(QWidget& panel);

} // namespace zephra
