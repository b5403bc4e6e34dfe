#include "ui_common/FailedBox.h"

#include <QLineEdit>

namespace zephra {

void PointAtFailedBox(QLineEdit& box) {
    box.setFocus(Qt::OtherFocusReason);
    box.selectAll();
}

} // namespace zephra
