#pragma once

#include "graphs/DisplayList.h"

#include <QImage>

namespace zephra {

// Renders a picture's drawing operations onto a new image of its size.
// Lines are rasterised here, never including their end pixel; rectangles
// follow the canvas rules of DisplayList.h; text is drawn in GraphFont,
// opaque on its background cell, rotated texts reading upward.
QImage RenderDisplayList(const DisplayList& list);

} // namespace zephra
