#pragma once

// The file of the program's own settings, an INI file:
//
//   [Units]
//   System = metric
//   MetricFlow = hL/h
//
// These two functions are the only code that reads or writes it, through
// IniFile (atomic writes).

#include "entry/UnitSystem.h"

#include <QString>

namespace zephra {

// The units kept at `path`; for a missing file, a missing key or a value
// that names nothing, the default (US, L/h).
DisplayUnits ReadDisplayUnits(const QString& path);

// Keeps `units` at `path` (the folder is made when missing), leaving the
// file's other keys as they are (their comments are not kept). False when
// the file could not be written.
bool WriteDisplayUnits(const QString& path, const DisplayUnits& units);

} // namespace zephra
