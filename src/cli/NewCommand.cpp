#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/ConditionsOptions.h"
#include "cli/WineFiles.h"
#include "entry/ConditionsCheck.h"
#include "entry/ConditionsRecord.h"
#include "entry/ShownConditions.h"

#include <ostream>
#include <sys/stat.h>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli new OUT.zph --wine NAME --filter NAME [--type normal|dessert]\n"
    "         --lab-pressure PSI --filter-diameter MM --max-pressure PSI\n"
    "         --area M2 --rate RATE [--units bpm|gpm] [--comments TEXT]\n"
    "         [--unit-system us|metric] [--force]\n"
    "\n"
    "Creates a new wine from its filtration conditions, as the New command's\n"
    "conditions dialog does, and writes it to OUT.zph (nothing is calculated).\n"
    "The type defaults to normal and the units to bpm.\n"
    "\n";

constexpr const char* HelpEnd =
    "  --force                  replace OUT.zph when it exists\n"
    "\n"
    "The values are checked in the dialog's order; the first one rejected is\n"
    "reported with the dialog's message and nothing is written. Numbers use \".\"\n"
    "as the decimal point.\n"
    "\n"
    "Exit status: 0 success, 1 a rejected value or a file error, 2 wrong usage.\n";

int RunNew(const std::vector<std::string>& args, CommandStreams& io) {
    std::vector<OptionSpec> options = ConditionsOptionSpecs();
    options.push_back({"--force", 0, false});
    const ParsedArguments parsed = ParseArguments(args, options);
    if (parsed.help) {
        io.out << Help << ConditionsOptionsHelp << HelpEnd;
        return ExitSuccess;
    }
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one output file");
    }
    const std::string& path = parsed.positional[0];

    const DisplayUnits units = UnitsOption(parsed);
    ConditionsForm form;
    ApplyConditionsOptions(parsed, units, form);
    ConditionsForm stored;
    if (const auto failure = ShownConditionsCheck(form, units, stored)) {
        io.err << path << ": " << failure->Message << '\n';
        return ExitFailure;
    }
    struct stat st {};
    if (!parsed.has("--force") && ::lstat(path.c_str(), &st) == 0) {
        io.err << path << ": the file exists already; use --force to replace it\n";
        return ExitFailure;
    }
    return SaveWine(path, NewWineRecord(stored), FormNotes(stored), io.err) ? ExitSuccess
                                                                            : ExitFailure;
}

const CommandRegistration registration{"new", "create a new wine from its conditions", RunNew};

} // namespace

} // namespace zephra::cli
