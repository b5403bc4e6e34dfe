#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/OutputFile.h"
#include "cli/UnitSystemOption.h"
#include "cli/WineFiles.h"
#include "reports/DataCsv.h"
#include "reports/WineJson.h"

#include <ostream>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli export --format csv|json [--unit-system us|metric] FILE.zph\n"
    "         [-o OUT]\n"
    "\n"
    "Writes the data of a wine for a spreadsheet or another program, to OUT or\n"
    "to standard output:\n"
    "  csv   the data table (RFC 4180, UTF-8, '.' decimals): a header row, then\n"
    "        one row per counted point: row, volume_ml, minutes, seconds,\n"
    "        elapsed_s, va_m, r, rexp, rpower (as the report's table shows them)\n"
    "        and skipped (1 for the points the fouling fits do not use).\n"
    "        'zephra-cli edit-data FILE.zph --csv' reads this file back.\n"
    "  json  the conditions, the counted points, every stored result and the\n"
    "        fouling analysis as 'zephra-cli analyze --json' prints it; the\n"
    "        keys are described in the README and docs/schema. Keys name the\n"
    "        units of their values, the units the wine keeps (psi, gal,\n"
    "        gpm/m²: lab_pressure_psi, expected_volume_gal...).\n"
    "Both formats have the same keys and values whatever --unit-system says.\n"
    "The stored results are written as they are; nothing is recalculated. The\n"
    "analysis is made from the data as they stand and stored nowhere.\n"
    "\n"
    "OUT is never a wine file: neither FILE.zph itself nor another existing\n"
    "'.zph' file is replaced. A device such as /dev/null takes the output as\n"
    "it comes; a terminal is refused (leave -o out to print the output).\n"
    "\n"
    "Exit status: 0 success, 1 the wine could not be read or OUT not written,\n"
    "2 wrong usage.\n";

int RunExport(const std::vector<std::string>& args, CommandStreams& io) {
    const ParsedArguments parsed =
        ParseArguments(args, {{"--format", 1, false}, {"-o", 1, false}, UnitSystemOptionSpec()});
    if (parsed.help) {
        io.out << Help;
        return ExitSuccess;
    }
    const std::string format = parsed.value("--format", "");
    if (format != "csv" && format != "json") {
        throw UsageError("--format must be 'csv' or 'json'");
    }
    const DisplayUnits units = UnitsOption(parsed);
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one wine file");
    }
    const std::string& path = parsed.positional[0];
    TWineRec rec{};
    WineNotes notes;
    if (!ReadWine(path, rec, notes, io.err)) {
        return ExitFailure;
    }
    const std::string text = format == "csv" ? DataCsvText(rec) : WineJsonText(rec, notes);
    return WriteOutput(parsed.value("-o", ""), text, {path}, io.out, io.err) ? ExitSuccess
                                                                             : ExitFailure;
}

const CommandRegistration registration{"export", "write the data of a wine as CSV or JSON",
                                       RunExport};

} // namespace

} // namespace zephra::cli
