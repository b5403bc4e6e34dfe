#include "cli/ConditionsOptions.h"

#include "entry/ShownConditions.h"

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

void ApplyRateUnits(const ParsedArguments& parsed, const DisplayUnits& units, int& field) {
    if (!parsed.has("--units")) {
        return;
    }
    const std::optional<int> named = RateUnitsNamed(parsed.value("--units", ""), units.Metric());
    if (!named) {
        throw UsageError(units.Metric() ? "--units must be 'bpm', 'gpm', 'L/h' or 'hL/h'"
                                        : "--units must be 'bpm' or 'gpm'");
    }
    field = *named;
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
    "  --comments TEXT          comments on the trial, kept in the file's notes\n"
    "  --unit-system us|metric  with metric the pressures are in bar (0.0069 to\n"
    "                           68.9 and 0.069 to 68.9) and --units also takes\n"
    "                           L/h or hL/h, stored as gpm; a rate the wine keeps\n"
    "                           in gpm is then taken in L/h unless --units says\n"
    "                           otherwise\n";

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
            {"--comments", 1, false},
            UnitSystemOptionSpec()};
}

void ApplyConditionsOptions(const ParsedArguments& parsed, const DisplayUnits& units,
                            ConditionsForm& form) {
    ApplyText(parsed, "--wine", form.WineName);
    ApplyText(parsed, "--filter", form.FilterName);
    ApplyChoice(parsed, "--type", "normal", "dessert", form.WineType);
    ApplyText(parsed, "--lab-pressure", form.LabPressure);
    ApplyText(parsed, "--filter-diameter", form.FilterDiameter);
    ApplyText(parsed, "--max-pressure", form.MaxPressure);
    ApplyText(parsed, "--area", form.Area);
    ApplyText(parsed, "--rate", form.Rate);
    ApplyRateUnits(parsed, units, form.RateUnits);
    ApplyText(parsed, "--comments", form.Comments);
}

} // namespace zephra::cli
