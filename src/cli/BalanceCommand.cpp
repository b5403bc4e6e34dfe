#include "acquisition/BalanceProbe.h"
#include "acquisition/WeightReadingText.h"
#include "cli/Arguments.h"
#include "cli/BalanceOptions.h"
#include "cli/CommandRegistry.h"
#include "entry/FixedText.h"

#include <ostream>

namespace zephra::cli {

namespace {

constexpr const char* Usage =
    "Usage: zephra-cli balance detect [--port NAME]\n"
    "       zephra-cli balance read [--port NAME] [--balance KEY|auto] [--baud N]\n"
    "                               [--framing F] [--handshake H]\n"
    "\n"
    "Talks to the laboratory balance outside a collection, to see that it answers.\n"
    "'detect' tries each dialect at its default line settings (a short request\n"
    "each) and prints the first that answers with a weight, with that weight.\n"
    "'read' asks the balance for one weight and prints it in grams, to 0.01 g,\n"
    "with its stability (\"212.4 g, stable\"), or the balance's message.\n"
    "\n";

constexpr const char* ExitStatus =
    "\n"
    "Exit status: 0 a balance answered with a weight; 1 none did (the message\n"
    "says why); 2 wrong usage.\n";

// The weight to 0.01 g, a laboratory balance's resolution, without
// trailing zeros: a load reads the same whatever unit the balance weighs in
// ("212.4" from 0.21240 kg and from 7.4921 oz).
std::string Grams(double grams) {
    std::string text = FixedText(grams, 0, 2);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

int RunBalance(const std::vector<std::string>& args, CommandStreams& io) {
    const ParsedArguments parsed = ParseArguments(args, BalanceOptionSpecs());
    if (parsed.help) {
        io.out << Usage << BalanceOptionsHelp << ExitStatus;
        return ExitSuccess;
    }
    if (parsed.positional.size() != 1 ||
        (parsed.positional[0] != "detect" && parsed.positional[0] != "read"))
        throw UsageError("expected 'detect' or 'read'");
    const bool detect = parsed.positional[0] == "detect";
    if (detect && (parsed.has("--balance") || parsed.has("--baud") || parsed.has("--framing") ||
                   parsed.has("--handshake")))
        throw UsageError("detect tries every dialect at its own line settings; give only --port");
    std::optional<ChosenBalance> chosen = ChooseBalance(parsed, io.err);
    if (!chosen)
        return ExitFailure;
    if (detect) {
        chosen->detect = true;
        return DetectIfAsked(*chosen, io.out, io.err) ? ExitSuccess : ExitFailure;
    }
    if (!DetectIfAsked(*chosen, io.err, io.err))
        return ExitFailure;
    BalanceProbe probe(chosen->where);
    WeightReading reading;
    try {
        reading = probe.Read(chosen->profile.value_or(BalanceProfile{}));
    } catch (const BalanceError& e) {
        io.err << e.what() << '\n';
        return ExitFailure;
    }
    if (reading.Error) {
        io.err << chosen->where << ": " << WeightReadingText(reading) << '\n';
        return ExitFailure;
    }
    io.out << Grams(reading.WeightVal) << " g, " << (reading.Stable ? "stable" : "in motion")
           << std::endl;
    return ExitSuccess;
}

const CommandRegistration registration{"balance", "detect the balance or read one weight",
                                       RunBalance};

} // namespace

} // namespace zephra::cli
