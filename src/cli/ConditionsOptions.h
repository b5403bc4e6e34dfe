#pragma once

// The conditions options shared by `new` and `edit-conditions`: one option
// for each box and choice of the Filtration Conditions dialog, and the unit
// system the values are given in.

#include "cli/Arguments.h"
#include "cli/UnitSystemOption.h"
#include "entry/ConditionsCheck.h"

#include <vector>

namespace zephra::cli {

// The option list, to which a subcommand adds its own options.
std::vector<OptionSpec> ConditionsOptionSpecs();

// The help lines describing the options.
extern const char* const ConditionsOptionsHelp;

// Puts every given option into `form`, a form shown in `units`
// (ShownConditions.h); options not given leave their field as it is. Throws
// UsageError for a choice other than those offered.
void ApplyConditionsOptions(const ParsedArguments& parsed, const DisplayUnits& units,
                            ConditionsForm& form);

} // namespace zephra::cli
