#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/WineFiles.h"
#include "entry/ConditionsCheck.h"
#include "entry/ConditionsRecord.h"

#include <ostream>
#include <sys/stat.h>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli new OUT.zph --wine NAME --filter NAME [--type normal|dessert]\n"
    "         --lab-pressure PSI --filter-diameter MM --max-pressure PSI\n"
    "         --area M2 --rate RATE [--units bpm|gpm] [--force]\n"
    "\n"
    "Creates a new wine from its filtration conditions, as the New command's\n"
    "conditions dialog does, and writes it to OUT.zph (nothing is calculated).\n"
    "\n"
    "  --wine NAME              name of the wine (stored as its first 16 characters)\n"
    "  --filter NAME            name of the filter (first 16 characters)\n"
    "  --type normal|dessert    type of wine (default normal)\n"
    "  --lab-pressure PSI       laboratory pressure, 0.1 to 1000\n"
    "  --filter-diameter MM     laboratory filter diameter, 1 to 1000\n"
    "  --max-pressure PSI       maximum full-scale pressure, 1 to 1000\n"
    "  --area M2                full-scale filter area, 0.2 to 1000\n"
    "  --rate RATE              full-scale flow rate, 0.1 to 1999\n"
    "  --units bpm|gpm          rate in bottles or US gallons per minute (default bpm)\n"
    "  --force                  replace OUT.zph when it exists\n"
    "\n"
    "The values are checked in the dialog's order; the first one rejected is\n"
    "reported with the dialog's message and nothing is written. Numbers use \".\"\n"
    "as the decimal point.\n"
    "\n"
    "Exit status: 0 success, 1 a rejected value or a file error, 2 wrong usage.\n";

int Choice(const ParsedArguments& parsed, const std::string& option, const char* first,
           const char* second) {
    const std::string value = parsed.value(option, first);
    if (value == first) {
        return 0;
    }
    if (value == second) {
        return 1;
    }
    throw UsageError(option + " must be '" + first + "' or '" + second + "'");
}

int RunNew(const std::vector<std::string>& args, CommandStreams& io) {
    const ParsedArguments parsed = ParseArguments(args, {{"--wine", 1, false},
                                                         {"--filter", 1, false},
                                                         {"--type", 1, false},
                                                         {"--lab-pressure", 1, false},
                                                         {"--filter-diameter", 1, false},
                                                         {"--max-pressure", 1, false},
                                                         {"--area", 1, false},
                                                         {"--rate", 1, false},
                                                         {"--units", 1, false},
                                                         {"--force", 0, false}});
    if (parsed.help) {
        io.out << Help;
        return ExitSuccess;
    }
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one output file");
    }
    const std::string& path = parsed.positional[0];

    ConditionsForm form;
    form.WineName = parsed.value("--wine", "");
    form.FilterName = parsed.value("--filter", "");
    form.WineType = Choice(parsed, "--type", "normal", "dessert");
    form.LabPressure = parsed.value("--lab-pressure", "");
    form.FilterDiameter = parsed.value("--filter-diameter", "");
    form.MaxPressure = parsed.value("--max-pressure", "");
    form.Area = parsed.value("--area", "");
    form.Rate = parsed.value("--rate", "");
    form.RateUnits = Choice(parsed, "--units", "bpm", "gpm");

    if (const auto failure = ConditionsRangeCheck(form)) {
        io.err << path << ": " << failure->Message << '\n';
        return ExitFailure;
    }
    struct stat st {};
    if (!parsed.has("--force") && ::lstat(path.c_str(), &st) == 0) {
        io.err << path << ": the file exists already; use --force to replace it\n";
        return ExitFailure;
    }
    return SaveWine(path, NewWineRecord(form), io.err) ? ExitSuccess : ExitFailure;
}

const CommandRegistration registration{"new", "create a new wine from its conditions", RunNew};

} // namespace

} // namespace zephra::cli
