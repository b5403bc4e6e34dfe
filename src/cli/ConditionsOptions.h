#pragma once

// The conditions options shared by `new` and `edit-conditions`: one option
// for each box and choice of the Filtration Conditions dialog.

#include "cli/Arguments.h"
#include "entry/ConditionsCheck.h"

#include <vector>

namespace zephra::cli {

// The option list, to which a subcommand adds its own options.
std::vector<OptionSpec> ConditionsOptionSpecs();

// The help lines describing the options.
extern const char* const ConditionsOptionsHelp;

// Puts every given option into `form`; options not given leave their field
// as it is. Throws UsageError for a choice other than the two offered.
void ApplyConditionsOptions(const ParsedArguments& parsed, ConditionsForm& form);

} // namespace zephra::cli
