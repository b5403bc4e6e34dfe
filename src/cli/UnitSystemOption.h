#pragma once

// The --unit-system option of the commands that show, export or take values
// that carry a unit. Without it every command speaks the record's US units;
// nothing else (no settings file, no locale) changes the units of the output.

#include "cli/Arguments.h"
#include "entry/UnitSystem.h"

namespace zephra::cli {

OptionSpec UnitSystemOptionSpec();

// The help line of the option.
extern const char* const UnitSystemOptionHelp;

// The units asked for: US, or metric with --unit-system metric (flows kept
// in gpm then show in L/h). Throws UsageError for any other name.
DisplayUnits UnitsOption(const ParsedArguments& parsed);

} // namespace zephra::cli
