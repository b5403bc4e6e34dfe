#pragma once

#include "graphs/DisplayList.h"

#include <QFont>

namespace zephra {

// The font the pictures are drawn with: Liberation Sans (metrics close to
// the common desktop faces, so legends fit their boxes), normal style. The
// glyphs are smoothed, which this face needs to stay legible at 7 to 11
// pixels; they stay inside their text cells, and every line, rectangle and
// cell of a picture is drawn without smoothing. A positive
// height is the whole cell (the largest pixel size whose line height fits),
// a negative one the character height as a pixel size. Rotation is applied
// when drawing.
QFont GraphFont(const FontSpec& font);

} // namespace zephra
