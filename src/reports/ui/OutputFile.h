#pragma once

#include "document/MessageBoxes.h"

#include <QByteArray>
#include <QString>

#include <string>
#include <vector>

namespace zephra {

// Writes an export or a picture to `path` atomically, unless the path is
// one an output never takes (one of the wine files `inputs` it is made from,
// another wine, a terminal); a refusal or a failed write is shown in a
// warning and nothing is written.
void WriteOutputFile(const QString& path, const QByteArray& bytes,
                     const std::vector<std::string>& inputs, MessageBoxes& boxes);

} // namespace zephra
