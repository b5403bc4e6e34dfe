#include "cli/ConditionsOptions.h"

namespace zephra::cli {

namespace {

void ApplyText(const ParsedArguments& parsed, const std::string& option, std::string& field) {
    if (parsed.has(option)) {
        field = parsed.value(option, "");
    }
}

void ApplyChoice(const ParsedArguments& parsed, const std::string& option, const char* first,
                 const char* second, int& field) {
    if (!parsed.has(option)) {
        return;
    }
    const std::string value = parsed.value(option, "");
    if (value == first) {
        field = 0;
    } else if (value == second) {
        field = 1;
    } else {
        throw UsageError(option + " must be '" + first + "' or '" + second + "'");
    }
}

} // namespace

const char* const ConditionsOptionsHelp =
    "  --wine NAME              name of the wine (the record keeps its first 16\n"
    "                           characters, the file's notes the full name)\n"
    "  --filter NAME            name of the filter (likewise)\n"
    "  --type normal|dessert    type of wine\n"
    "  --lab-pressure PSI       laboratory pressure, 0.1 to 1000\n"
    "  --filter-diameter MM     laboratory filter diameter, 1 to 1000\n"
    "  --max-pressure PSI       maximum full-scale pressure, 1 to 1000\n"
    "  --area M2                full-scale filter area, 0.2 to 1000\n"
    "  --rate RATE              full-scale flow rate, 0.1 to 1999\n"
    "  --units bpm|gpm          rate in bottles or US gallons per minute\n"
    "  --comments TEXT          comments on the trial, kept in the file's notes\n";

std::vector<OptionSpec> ConditionsOptionSpecs() {
    return {{"--wine", 1, false},
            {"--filter", 1, false},
            {"--type", 1, false},
            {"--lab-pressure", 1, false},
            {"--filter-diameter", 1, false},
            {"--max-pressure", 1, false},
            {"--area", 1, false},
            {"--rate", 1, false},
            {"--units", 1, false},
            {"--comments", 1, false}};
}

void ApplyConditionsOptions(const ParsedArguments& parsed, ConditionsForm& form) {
    ApplyText(parsed, "--wine", form.WineName);
    ApplyText(parsed, "--filter", form.FilterName);
    ApplyChoice(parsed, "--type", "normal", "dessert", form.WineType);
    ApplyText(parsed, "--lab-pressure", form.LabPressure);
    ApplyText(parsed, "--filter-diameter", form.FilterDiameter);
    ApplyText(parsed, "--max-pressure", form.MaxPressure);
    ApplyText(parsed, "--area", form.Area);
    ApplyText(parsed, "--rate", form.Rate);
    ApplyChoice(parsed, "--units", "bpm", "gpm", form.RateUnits);
    ApplyText(parsed, "--comments", form.Comments);
}

} // namespace zephra::cli
