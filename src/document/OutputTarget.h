#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zephra {

// Why an output of the program (a report, exported data, a picture) may not
// be written at `path`, or nothing when it may. An output never replaces a
// wine file: neither one of the wine files `inputs` it is made from (the
// same file under any name or link: the same device and inode) nor any
// other existing wine file (a regular file named "*.zph", reached through a
// link from `path`, or whose bytes read as a wine under any name). Nor does
// it replace a file with other hard links: the write would change the file
// under its other names too. A name not yet taken is always free.
std::optional<std::string> OutputRefusal(const std::string& path,
                                         const std::vector<std::string>& inputs);

} // namespace zephra
