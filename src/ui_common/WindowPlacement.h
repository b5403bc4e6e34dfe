#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace zephra {

// Where a new top-level window of `size` (frame included) opens beside its
// owner: centred over the owner's frame, moved `shift` pixels right and
// down, and pushed back onto the available area of the owner's screen so
// that its title bar is never out of reach.
QPoint PlaceOverOwner(const QWidget& owner, QSize size, int shift);

} // namespace zephra
