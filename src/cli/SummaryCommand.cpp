#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/UnitSystemOption.h"
#include "cli/WineFiles.h"
#include "reports/WineSummary.h"

#include <ostream>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli summary FILE.zph... [--csv] [--unit-system us|metric]\n"
    "\n"
    "Compares wines: after a header line, one line per wine in the order given,\n"
    "with the file, wine, filter, wine type, the number of points and of points\n"
    "the fouling fits skip, the exponential model (RmE, bE, rE), the power\n"
    "model (RmP, a, bP, rP), both full-scale estimates in US gallons, and from\n"
    "the fouling analysis the best blocking law, Vmax (L/m²) and the production\n"
    "capacity by Vmax (US gallons). With --unit-system metric the aligned\n"
    "columns give the volumes in hL (exp_hL, power_hL, production_capacity_hL).\n"
    "Aligned columns by default; --csv writes CSV (RFC 4180, UTF-8) with the\n"
    "estimates and the analysis's values as plain numbers (empty where they\n"
    "cannot be computed) and the same columns and values in both unit\n"
    "systems (volumes in US gallons, as the wine keeps them), for example:\n"
    "\n"
    "  zephra-cli summary ~/wines/2026/*.zph --csv > vintage.csv\n"
    "\n"
    "A wine that cannot be read is reported on standard error and left out.\n"
    "The stored results are shown as they are; nothing is recalculated. The\n"
    "analysis is made from the data as they stand and stored nowhere.\n"
    "\n"
    "Exit status: 0 success, 1 a wine was left out, 2 wrong usage.\n";

int RunSummary(const std::vector<std::string>& args, CommandStreams& io) {
    const ParsedArguments parsed =
        ParseArguments(args, {{"--csv", 0, false}, UnitSystemOptionSpec()});
    if (parsed.help) {
        io.out << Help;
        return ExitSuccess;
    }
    const DisplayUnits units = UnitsOption(parsed);
    if (parsed.positional.empty()) {
        throw UsageError("expected at least one wine file");
    }
    std::vector<WineSummary> wines;
    bool leftOut = false;
    for (const std::string& path : parsed.positional) {
        TWineRec rec{};
        WineNotes notes;
        if (ReadWine(path, rec, notes, io.err)) {
            wines.push_back(SummarizeWine(path, rec, notes));
        } else {
            leftOut = true;
        }
    }
    if (parsed.has("--csv")) {
        io.out << SummaryCsvText(wines);
    } else {
        for (const std::string& line : SummaryTextLines(wines, units)) {
            io.out << line << '\n';
        }
    }
    return leftOut ? ExitFailure : ExitSuccess;
}

const CommandRegistration registration{"summary", "compare the results of many wines", RunSummary};

} // namespace

} // namespace zephra::cli
