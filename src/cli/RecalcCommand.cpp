#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/WineFiles.h"

#include <ostream>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli recalc [--drop-notes] IN.zph OUT.zph\n"
    "       zephra-cli recalc [--drop-notes] --in-place FILE.zph...\n"
    "\n"
    "Reads each wine as the program opens it, recalculates every result from its\n"
    "conditions and data points, and writes the wine (to OUT.zph, or back to each\n"
    "FILE with --in-place). Files are replaced atomically: a failed write leaves\n"
    "the old file as it was.\n"
    "\n"
    "Problems the calculation finds in the data (for example too few points) are\n"
    "printed as '<file>: <message>' lines on standard error; the wine is still\n"
    "written with its results blanked, as the program does, and the status stays 0.\n"
    "\n"
    "Options:\n";

constexpr const char* HelpEnd =
    "\n"
    "Exit status: 0 success, 1 a file could not be read, calculated or written\n"
    "(the other files of --in-place are still processed), 2 wrong usage.\n";

bool RecalcFile(const std::string& in, const std::string& out, const ParsedArguments& parsed,
                std::ostream& err) {
    TWineRec rec{};
    WineNotes notes;
    if (!ReadWine(in, rec, notes, err)) {
        return false;
    }
    ApplyDropNotes(parsed, notes);
    return Recalculate(in, rec, err) && SaveWine(out, rec, notes, err);
}

int RunRecalc(const std::vector<std::string>& args, CommandStreams& io) {
    const ParsedArguments parsed =
        ParseArguments(args, {{"--in-place", 0, false}, DropNotesOptionSpec()});
    if (parsed.help) {
        io.out << Help << DropNotesHelp << HelpEnd;
        return ExitSuccess;
    }
    if (parsed.has("--in-place")) {
        if (parsed.positional.empty()) {
            throw UsageError("--in-place needs at least one file");
        }
        bool ok = true;
        for (const std::string& file : parsed.positional) {
            ok = RecalcFile(file, file, parsed, io.err) && ok;
        }
        return ok ? ExitSuccess : ExitFailure;
    }
    if (parsed.positional.size() != 2) {
        throw UsageError("expected IN.zph OUT.zph, or --in-place FILE...");
    }
    return RecalcFile(parsed.positional[0], parsed.positional[1], parsed, io.err) ? ExitSuccess
                                                                                  : ExitFailure;
}

const CommandRegistration registration{"recalc", "recalculate the results of wine files",
                                       RunRecalc};

} // namespace

} // namespace zephra::cli
