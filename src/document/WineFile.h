#pragma once

#include "document/MessageBoxes.h"
#include "document/WineRec.h"

#include <string>

namespace zephra {

// Reads the wine file at `path` into `rec`. The file is opened for reading
// only. Files of 2181..4361 bytes are accepted (only the first 2181 bytes
// are read). On failure the message has been shown through `boxes` ("I/O
// Error type <errno> occurred while reading file." or "Error reading the
// data file.") and `rec` is unchanged.
bool ZephraFileOpen(const std::string& path, TWineRec& rec, MessageBoxes& boxes);

// Writes the 2181 bytes of `rec` to `path` atomically: a temporary file in
// the same folder is written, flushed and renamed over the target, which
// keeps its permissions. Returns 0 on success or the errno of the failure;
// on failure the old file is intact.
int WriteWineFile(const std::string& path, const TWineRec& rec);

} // namespace zephra
