#pragma once

#include <QIcon>
#include <QPixmap>

namespace zephra {

// Glyph `index` of the commands' image list: 0 new, 1 open, 2 save,
// 3 cascade, 4 tile horizontally, 5 tile vertically.
QIcon Glyph(int index);

// The program's icon.
QIcon ApplicationIcon();

// The 450 x 213 logo picture of the splash and about windows.
QPixmap LogoPicture();

} // namespace zephra
