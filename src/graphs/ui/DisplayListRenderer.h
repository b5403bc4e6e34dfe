#pragma once

#include "graphs/DisplayList.h"

#include <QImage>

class QPainter;

namespace zephra {

// Renders a picture's drawing operations onto a new image of its size.
// Lines are rasterised here, never including their end pixel; rectangles
// follow the canvas rules of DisplayList.h; text is drawn in GraphFont,
// opaque on its background cell, rotated texts reading upward.
QImage RenderDisplayList(const DisplayList& list);

// Paints a picture's drawing operations as vector graphics (for PDF and
// printing): one unit of the painter's coordinates is one picture pixel, so
// the caller scales the painter to the size wanted. Pixels become squares
// of one unit, lines one unit wide through the pixel centres, texts real
// text in GraphFont. Nothing is painted outside the picture.
void PaintDisplayList(QPainter& painter, const DisplayList& list);

} // namespace zephra
