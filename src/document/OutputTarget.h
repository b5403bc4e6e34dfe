#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zephra {

// Why an output of the program (a report, exported data, a picture) may not
// be written at `path`, or nothing when it may. An output never replaces a
// wine file: neither one of the wine files `inputs` it is made from (the
// same file under any name or link: the same device and inode) nor any
// other existing wine file (a regular file named "*.zph", or reached through
// a link from `path`).
std::optional<std::string> OutputRefusal(const std::string& path,
                                         const std::vector<std::string>& inputs);

} // namespace zephra
