#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/ConditionsOptions.h"
#include "cli/WineFiles.h"
#include "entry/ConditionsCheck.h"
#include "entry/ConditionsRecord.h"
#include "entry/ShownConditions.h"

#include <ostream>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli edit-conditions FILE.zph [OPTION]... [--drop-notes]\n"
    "\n"
    "Changes the filtration conditions of a wine as the Edit Conditions command\n"
    "does: the options given replace the wine's values, every value is checked\n"
    "in the dialog's order, then the conditions and the laboratory filter area\n"
    "are stored, the wine is recalculated and saved. Values not given keep what\n"
    "the wine holds.\n"
    "\n";

constexpr const char* HelpEnd =
    "\n"
    "The first value rejected is reported with the dialog's message and the file\n"
    "is left unchanged. Messages of the calculation go to standard error as\n"
    "\"FILE: message\" lines and do not fail the command.\n"
    "\n"
    "Exit status: 0 success, 1 a rejected value or a file error, 2 wrong usage.\n";

int RunEditConditions(const std::vector<std::string>& args, CommandStreams& io) {
    std::vector<OptionSpec> specs = ConditionsOptionSpecs();
    specs.push_back(DropNotesOptionSpec());
    const ParsedArguments parsed = ParseArguments(args, specs);
    if (parsed.help) {
        io.out << Help << ConditionsOptionsHelp << DropNotesHelp << HelpEnd;
        return ExitSuccess;
    }
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one wine file");
    }
    const std::string& path = parsed.positional[0];

    TWineRec rec;
    WineNotes notes;
    if (!ReadWine(path, rec, notes, io.err)) {
        return ExitFailure;
    }
    ApplyDropNotes(parsed, notes);
    const DisplayUnits units = UnitsOption(parsed);
    ConditionsForm form = ShownConditionsForm(LoadConditionsForm(rec, notes), units);
    ApplyConditionsOptions(parsed, units, form);
    ConditionsForm stored;
    if (const auto failure = ShownConditionsCheck(form, units, stored)) {
        io.err << path << ": " << failure->Message << '\n';
        return ExitFailure;
    }
    StoreEditedConditions(rec, notes, stored);
    return Recalculate(path, rec, io.err) && SaveWine(path, rec, notes, io.err) ? ExitSuccess
                                                                                : ExitFailure;
}

const CommandRegistration registration{
    "edit-conditions", "change a wine's filtration conditions and recalculate", RunEditConditions};

} // namespace

} // namespace zephra::cli
