#pragma once

#include "document/WineNotes.h"
#include "document/WineRec.h"

#include <QString>

namespace zephra {

// The title of a window showing a wine: "Lab Scale Graph — Chardonnay
// 2024", with the wine's full name; the caption alone for a wine without a
// name.
QString WineWindowTitle(const QString& caption, const TWineRec& rec, const WineNotes& notes);

// The file name a picture of the window is offered under: "Chardonnay 2024
// - Lab Scale Graph.png", without the characters a file name cannot hold.
QString WinePictureName(const QString& caption, const TWineRec& rec, const WineNotes& notes);

} // namespace zephra
