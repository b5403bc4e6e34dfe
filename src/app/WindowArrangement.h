#pragma once

#include <QSize>

class QMdiArea;

namespace zephra {

// Cascades the area's visible child windows: each gets `size` and lies 30
// pixels right of and below the one before it, every eighth starting again
// at the top left; the active window ends on top.
void Cascade(QMdiArea& area, QSize size);

// Tiles the area's visible child windows one above the other, each as wide
// as the area.
void TileHorizontally(QMdiArea& area);

// Tiles the area's visible child windows side by side, each as high as the
// area.
void TileVertically(QMdiArea& area);

} // namespace zephra
