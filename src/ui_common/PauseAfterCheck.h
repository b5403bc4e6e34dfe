#pragma once

class QWidget;

namespace zephra {

// After a dialog's successful check: repaints `dialog` at once so the
// rewritten values show, then holds it for 200 ms before the caller closes
// it. Painting and timers go on meanwhile, but keyboard and mouse input
// arriving during the pause is dropped, so nothing can be typed into the
// checked boxes and no late click (on Cancel, say) can undo the
// confirmation.
void PauseAfterCheck(QWidget& dialog);

} // namespace zephra
