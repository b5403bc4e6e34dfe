#pragma once

#include "document/MessageBoxes.h"

#include <QString>

namespace zephra {

// Before a file is written over: true when nothing is at `path`, or when the
// user answers OK to "A file with that name already exists. Overwrite it?"
// (a warning whose default button is Cancel).
bool MayOverwrite(MessageBoxes& boxes, const QString& path);

} // namespace zephra
