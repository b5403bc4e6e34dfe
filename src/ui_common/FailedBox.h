#pragma once

class QLineEdit;

namespace zephra {

// Points the user at the box a check rejected: gives it the focus and
// selects its text, so that typing replaces it.
void PointAtFailedBox(QLineEdit& box);

} // namespace zephra
