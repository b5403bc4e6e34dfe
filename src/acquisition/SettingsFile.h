#pragma once

#include "acquisition/EnvironmentRec.h"

#include <string>

namespace zephra {

// Where the settings file lives: zephra.dat in ProgramSettingsFolder()
// (document/ProgramConf.h), beside zephra.conf.
std::string SettingsFilePath();

// Fills `env` from the first record of the settings file at `path`. Returns 0
// once the file is read, or the errno of a failed open or read (the program
// then reports it and ends); only a regular file is read: a folder gives
// EISDIR, anything else (a named pipe, a device) EINVAL, without waiting. A
// file shorter than one record (empty or cut, as a full disk or a killed
// write leaves it) holds no port number and gives EIO.
int ReadDataFile(const std::string& path, TEnvironmentRec& env);

// Replaces the settings file at `path` with `env` as its only record, the
// reserved bytes as they are. The record goes to a temporary file in the same
// folder (created when missing), is flushed and renamed over the old file, so
// a failure never leaves a half-written file. Returns 0 or the errno of the
// step that failed; the old file is then intact.
int WriteDataFile(const std::string& path, const TEnvironmentRec& env);

} // namespace zephra
