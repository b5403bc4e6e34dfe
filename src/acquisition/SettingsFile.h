#pragma once

#include "acquisition/EnvironmentRec.h"

#include <string>

namespace zephra {

// Where the settings file lives: $XDG_CONFIG_HOME/zephra/zephra.dat, or
// ~/.config/zephra/zephra.dat when XDG_CONFIG_HOME is unset or empty.
std::string SettingsFilePath();

// Fills `env` from the first record of the settings file at `path`. Returns 0
// once the file is open, or the errno of a failed open (the program then
// reports it and ends). A file shorter than one record is not reported: the
// bytes it has are read and the rest of `env` is zero.
int ReadDataFile(const std::string& path, TEnvironmentRec& env);

} // namespace zephra
