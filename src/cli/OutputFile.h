#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace zephra::cli {

// Writes `bytes`, made from the wine files `inputs`, to `out` when `path` is
// empty or "-" (a failed write there is reported when the tool ends); to a
// character device that is not a terminal (/dev/null, say) as they come;
// and otherwise to the file at `path`, replacing it atomically. A path that
// names a wine file (see OutputRefusal) or a terminal is refused. False
// after printing why the output was not written.
bool WriteOutput(const std::string& path, std::string_view bytes,
                 const std::vector<std::string>& inputs, std::ostream& out, std::ostream& err);

} // namespace zephra::cli
