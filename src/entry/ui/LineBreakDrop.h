#pragma once

class QLineEdit;

namespace zephra {

// Keeps `box` on one line: line breaks that reach it by pasting (CR, LF or
// both) are removed as soon as they arrive, the rest of the text stays, and
// the cursor stays after what was inserted.
void DropLineBreaks(QLineEdit& box);

} // namespace zephra
