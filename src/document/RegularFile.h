#pragma once

#include "document/FileDescriptor.h"

#include <string>

namespace zephra {

// Opens the file at `path` for reading if it is a regular file, without
// waiting: a named pipe at the path cannot hold the caller. Otherwise an
// invalid descriptor, and `error` is the errno of the failed open, EISDIR
// for a folder or EINVAL for anything else (a pipe, a device).
FileDescriptor OpenRegularFile(const std::string& path, int& error);

} // namespace zephra
