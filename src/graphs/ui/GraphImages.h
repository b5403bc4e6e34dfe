#pragma once

#include "analysis/FoulingAnalysis.h"
#include "document/WineRec.h"
#include "graphs/GraphWindowPicture.h"
#include "graphs/WineGraphPicture.h"

#include <QImage>
#include <QPalette>
#include <QSize>

namespace zephra {

// The desktop colours of a window: its background (the button face) and
// its text colour.
DesktopColours DesktopColoursOf(const QPalette& palette);

// The three pictures as images. Each throws FloatingPointFault when the
// picture cannot be drawn; nothing is drawn from a NaN or infinity.
QImage WineGraphImage(const TWineRec& rec, QSize size, const DesktopColours& colours);
QImage GraphWindowImage(const TWineRec& rec, GraphScale scale, Colour windowText);
QImage FoulingGraphImage(const FoulingAnalysis& analysis, Colour windowText);

} // namespace zephra
