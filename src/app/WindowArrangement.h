#pragma once

class QMdiArea;

namespace zephra {

// Tiles the area's visible child windows one above the other, each as wide
// as the area.
void TileHorizontally(QMdiArea& area);

// Tiles the area's visible child windows side by side, each as high as the
// area.
void TileVertically(QMdiArea& area);

} // namespace zephra
