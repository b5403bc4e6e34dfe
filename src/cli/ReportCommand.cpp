#include "analysis/Calculate.h"
#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/UnitSystemOption.h"
#include "cli/WineFiles.h"
#include "document/Report.h"
#include "entry/ControlCharacters.h"
#include "entry/ShownQuantities.h"

#include <ostream>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli report [--panel summary|table] [--unit-system us|metric] FILE.zph\n"
    "\n"
    "Prints the report of a wine as the wine window shows it, as UTF-8 lines:\n"
    "the summary panel (names, fouling constants, full-scale volumes) and the\n"
    "table panel (conditions and the table of readings). Without --panel both\n"
    "are printed, the summary first. Lines are printed exactly as the panels\n"
    "hold them, blanks included; a control character in a name (as a damaged\n"
    "file may hold) is shown as an escape such as \\x1B. The stored results are\n"
    "shown as they are; nothing is recalculated. With --unit-system metric the\n"
    "conditions, face velocities and volumes are shown in bar, L/h, L/(m²·h)\n"
    "and hL, in the panels' columns.\n"
    "\n"
    "Exit status: 0 success, 1 the file could not be read, 2 wrong usage.\n";

void PrintLines(const std::vector<std::string>& lines, std::ostream& out) {
    for (const std::string& line : lines) {
        out << VisibleControlCharacters(line) << '\n';
    }
}

int RunReport(const std::vector<std::string>& args, CommandStreams& io) {
    const ParsedArguments parsed =
        ParseArguments(args, {{"--panel", 1, false}, UnitSystemOptionSpec()});
    if (parsed.help) {
        io.out << Help;
        return ExitSuccess;
    }
    const std::string panel = parsed.value("--panel", "both");
    if (panel != "both" && panel != "summary" && panel != "table") {
        throw UsageError("--panel must be 'summary' or 'table'");
    }
    const DisplayUnits units = UnitsOption(parsed);
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one wine file");
    }
    TWineRec rec{};
    if (!ReadWine(parsed.positional[0], rec, io.err)) {
        return ExitFailure;
    }
    const ReportLines lines = FillLines(rec, ShownQuantities(rec, units, LabResultsOf(rec)));
    if (panel != "table") {
        PrintLines(lines.Summary, io.out);
    }
    if (panel != "summary") {
        PrintLines(lines.Table, io.out);
    }
    return ExitSuccess;
}

const CommandRegistration registration{"report", "print the report of a wine", RunReport};

} // namespace

} // namespace zephra::cli
