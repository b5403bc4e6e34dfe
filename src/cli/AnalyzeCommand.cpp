#include "analysis/FoulingAnalysisJson.h"
#include "analysis/FoulingAnalysisText.h"
#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/TerminalText.h"
#include "cli/UnitSystemOption.h"
#include "cli/WineFiles.h"
#include "entry/FixedText.h"

#include <ostream>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli analyze [--json] [--unit-system us|metric] FILE.zph\n"
    "\n"
    "Prints the fouling analysis of a wine: the four blocking laws (complete,\n"
    "intermediate and standard blocking, cake filtration) fitted to the volumes\n"
    "against time with the start of filtration, with their parameters, the R² of\n"
    "each law's linear form, the RMS difference between measured and fitted\n"
    "volumes and ΔAICc; the law that describes the trial best (smallest AICc)\n"
    "and those it cannot be told from; Vmax with its 95 % interval and lower\n"
    "bound and the production capacity by Vmax where the standard law is the\n"
    "best; the best law's own capacity (J0/Kb, or the throughput at 10 % of J0)\n"
    "and its production capacity (constant pressure, no safety factor); J0 and\n"
    "the flux decline by the best law, and the filterability index.\n"
    "The data are analysed as they stand; nothing is stored in the file.\n"
    "\n"
    "  --json   print one JSON object instead of aligned text (a value that\n"
    "           cannot be computed is null)\n"
    "  --unit-system us|metric\n"
    "           the text's volumes in US gallons (the default) or in hL; the\n"
    "           JSON is the same in both, its volumes in US gallons\n"
    "\n"
    "Exit status: 0 success, 1 the file could not be read, 2 wrong usage.\n";

void PrintText(const FoulingAnalysis& a, const TWineRec& rec, const DisplayUnits& units,
               std::ostream& out) {
    const std::string area =
        a.LabAreaM2 > 0 ? FixedText(a.LabAreaM2 * 10000, 0, 3) + " cm²" : std::string("—");
    PrintAligned({{"Wine:", a.FullWine}, {"Filter:", a.FullFilter}, {"Laboratory area:", area}},
                 out);
    out << '\n';
    PrintAligned(FoulingTableRows(a), out);
    out << '\n';
    std::vector<std::vector<std::string>> summary;
    for (const auto& [label, value] : FoulingSummaryItems(a, rec, units)) {
        summary.push_back({label + ":", value});
    }
    PrintAligned(summary, out);
}

int RunAnalyze(const std::vector<std::string>& args, CommandStreams& io) {
    const ParsedArguments parsed =
        ParseArguments(args, {{"--json", 0, false}, UnitSystemOptionSpec()});
    if (parsed.help) {
        io.out << Help;
        return ExitSuccess;
    }
    const DisplayUnits units = UnitsOption(parsed);
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one wine file");
    }
    TWineRec rec{};
    WineNotes notes;
    if (!ReadWine(parsed.positional[0], rec, notes, io.err)) {
        return ExitFailure;
    }
    const FoulingAnalysis analysis = AnalyzeWineFouling(rec, notes);
    if (parsed.has("--json")) {
        io.out << FoulingAnalysisJson(analysis).dump(2) << '\n';
    } else {
        PrintText(analysis, rec, units, io.out);
    }
    return ExitSuccess;
}

const CommandRegistration registration{"analyze", "print the fouling analysis of a wine",
                                       RunAnalyze};

} // namespace

} // namespace zephra::cli
