#pragma once

#include <string>

namespace zephra {

// The language chosen in View → Language, kept in the program's own settings
// file (zephra.conf) beside the other keys there:
//
//   [language]
//   code = fr
//
// The code of the chosen language (see Languages()); empty when the program
// follows the system, also for a missing or unreadable file or an unknown
// code.
std::string ReadLanguageSetting(const std::string& path);

// Keeps `code` (empty: follow the system) at `path`, leaving the file's other
// sections as they are. Returns 0 or the errno of the failure.
int WriteLanguageSetting(const std::string& path, const std::string& code);

} // namespace zephra
