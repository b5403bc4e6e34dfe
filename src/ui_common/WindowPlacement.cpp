#include "ui_common/WindowPlacement.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace zephra {

QPoint PlaceOverOwner(const QWidget& owner, QSize size, int shift) {
    QRect place(QPoint(), size);
    place.moveCenter(owner.frameGeometry().center());
    place.translate(shift, shift);
    if (const QScreen* screen = owner.screen()) {
        const QRect area = screen->availableGeometry();
        place.moveRight(std::min(place.right(), area.right()));
        place.moveBottom(std::min(place.bottom(), area.bottom()));
        place.moveLeft(std::max(place.left(), area.left()));
        place.moveTop(std::max(place.top(), area.top()));
    }
    return place.topLeft();
}

} // namespace zephra
