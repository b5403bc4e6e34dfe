#pragma once

#include "document/ProgramConf.h"

#include <string>

namespace zephra {

// The language chosen in View → Language, kept in the program's own settings
// file (zephra.conf) beside the other sections there:
//
//   [language]
//   code = fr
//
// The code of the chosen language (see Languages()); empty when the program
// follows the system, also for a missing or unreadable file or section or an
// unknown code.
std::string LanguageSettingIn(const ProgramConf& conf);

// Keeps `code` (empty: follow the system) in the file at `path`, leaving
// every other byte of it as it is.
ProgramConfWrite WriteLanguageSetting(const std::string& path, const std::string& code);

} // namespace zephra
