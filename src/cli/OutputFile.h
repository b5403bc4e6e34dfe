#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace zephra::cli {

// Writes `bytes` to the file at `path`, replacing it atomically, or to `out`
// when `path` is empty or "-". False after printing why the file could not
// be written.
bool WriteOutput(const std::string& path, std::string_view bytes, std::ostream& out,
                 std::ostream& err);

} // namespace zephra::cli
