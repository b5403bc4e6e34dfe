#include "SimOptions.h"

#include "SimProtocol.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <regex>

namespace zephra::balancesim {

namespace {

const char* const Usage =
    "Usage: zephra-balance-sim [options]\n"
    "\n"
    "Simulates a laboratory balance on a pseudo-terminal. The first line on\n"
    "standard output is the device path (with --tcp the address\n"
    "tcp://127.0.0.1:PORT); the simulator runs until interrupted. By default\n"
    "it answers ESC P CR with a weight line and zeroes on ESC T CR, paced at\n"
    "1200 bit/s. A tare also starts a fresh filtration. When the line is not\n"
    "set to the balance's rate it answers with garbage, as a real balance would.\n"
    "\n"
    "Options:\n"
    "  --protocol KEY          the balance's language, each at its own rate:\n"
    "                            esc-p       ESC P CR / ESC T CR, 1200 bit/s\n"
    "                            mt-sics     SI, T, TI, I4 (CR LF), 9600 bit/s\n"
    "                            a-and-d     Q, T, ?ID (CR LF), 2400 bit/s\n"
    "                            ohaus       IP, T (CR LF), 9600 bit/s\n"
    "                            sma         LF W CR, LF T CR, LF A CR, 9600 bit/s\n"
    "                            continuous  prints a reading every 100 ms,\n"
    "                                        9600 bit/s; ignores commands\n"
    "  --unit U                weigh in U: g (default), kg, mg, lb, oz, ozt, ct, or any\n"
    "                          other name (sent as it is, with grams as values)\n"
    "  --baud N                the balance's line rate instead of the protocol's\n"
    "  --tcp PORT              serve on 127.0.0.1:PORT (0: a free port) instead of\n"
    "                          a pseudo-terminal, one connection at a time\n"
    "  --overload-after N      fault: report an overload from the N+1st answered\n"
    "                          reading (continuous: printed line) on\n"
    "  --link COMn             also link the device as COMn in the port map\n"
    "                          ($XDG_CONFIG_HOME/zephra/ports, default\n"
    "                          ~/.config/zephra/ports); removed at exit\n"
    "  --flow G                initial flow in g/min (default 30)\n"
    "  --fouling K             fouling constant per minute (default 0.1)\n"
    "  --law L                 how the filter fouls, t in minutes (default\n"
    "                          intermediate):\n"
    "                            complete      flow * exp(-K t)\n"
    "                            intermediate  flow / (1 + K t)\n"
    "                            standard      flow / (1 + K t)^2\n"
    "                                          (Vmax = flow / K grams)\n"
    "                            cake          flow / sqrt(1 + 2 K t)\n"
    "  --noise G               standard deviation of the reading in g (default 0.01)\n"
    "  --weight G              a constant load of G grams instead of a filtration\n"
    "  --seed N                seed of the noise (default 1)\n"
    "  --long                  esc-p: 22-character reply with an identifier prefix\n"
    "  --print-at-stability    send nothing while the reading is unstable\n"
    "  --unstable F            share of requests that meet an unstable reading\n"
    "                          (default 0, or 0.3 with --print-at-stability);\n"
    "                          unstable readings are otherwise sent without unit\n"
    "  --delay MS              delay before the reply starts (default 30)\n"
    "  --silent                fault: never answer\n"
    "  --garbage               fault: answer every request with garbage\n"
    "  --babble                fault: send garbage all the time, never a line end\n"
    "                          (a balance printing continuously at another rate)\n"
    "  --unplug-after N        fault: hang up after N answered readings (with\n"
    "                          --tcp: close the connection and stop serving)\n"
    "  -h, --help              show this help\n";

bool ReadNumber(const char* text, double& value) {
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && *end == '\0';
}

bool ReadCount(const char* text, int& value) {
    char* end = nullptr;
    const long n = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || n < 0 || n > 1000000000)
        return false;
    value = static_cast<int>(n);
    return true;
}

} // namespace

std::optional<SimOptions> ParseSimOptions(int argc, char** argv, int& exitCode) {
    SimOptions options;
    bool unstableGiven = false;
    auto fail = [&](const std::string& problem) -> std::optional<SimOptions> {
        std::fprintf(stderr, "zephra-balance-sim: %s\n\n%s", problem.c_str(), Usage);
        exitCode = 2;
        return std::nullopt;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        auto number = [&](double& target) { return hasValue && ReadNumber(argv[++i], target); };
        auto count = [&](int& target) { return hasValue && ReadCount(argv[++i], target); };
        if (arg == "-h" || arg == "--help") {
            std::fputs(Usage, stdout);
            exitCode = 0;
            return std::nullopt;
        } else if (arg == "--link") {
            if (!hasValue || !std::regex_match(argv[i + 1], std::regex("COM[1-9][0-9]{0,2}")))
                return fail("--link needs a port name COM1 to COM999");
            options.link = argv[++i];
        } else if (arg == "--flow") {
            if (!number(options.flowGramsPerMinute) || options.flowGramsPerMinute < 0)
                return fail("--flow needs a number of g/min, 0 or more");
        } else if (arg == "--fouling") {
            if (!number(options.foulingPerMinute) || options.foulingPerMinute < 0)
                return fail("--fouling needs a rate per minute, 0 or more");
        } else if (arg == "--law") {
            const std::string law = hasValue ? argv[++i] : "";
            if (law == "complete")
                options.law = FoulingLaw::Complete;
            else if (law == "intermediate")
                options.law = FoulingLaw::Intermediate;
            else if (law == "standard")
                options.law = FoulingLaw::Standard;
            else if (law == "cake")
                options.law = FoulingLaw::Cake;
            else
                return fail("--law needs complete, intermediate, standard or cake");
        } else if (arg == "--noise") {
            if (!number(options.noiseGrams) || options.noiseGrams < 0)
                return fail("--noise needs a number of grams, 0 or more");
        } else if (arg == "--weight") {
            double grams = 0;
            if (!number(grams))
                return fail("--weight needs a number of grams");
            options.fixedGrams = grams;
        } else if (arg == "--seed") {
            int seed = 0;
            if (!count(seed))
                return fail("--seed needs a whole number");
            options.seed = static_cast<unsigned>(seed);
        } else if (arg == "--long") {
            options.longReply = true;
        } else if (arg == "--print-at-stability") {
            options.printAtStability = true;
        } else if (arg == "--unstable") {
            if (!number(options.unstableFraction) || options.unstableFraction < 0 ||
                options.unstableFraction > 1)
                return fail("--unstable needs a fraction from 0 to 1");
            unstableGiven = true;
        } else if (arg == "--delay") {
            if (!count(options.replyDelayMs))
                return fail("--delay needs a number of milliseconds");
        } else if (arg == "--silent") {
            options.silent = true;
        } else if (arg == "--garbage") {
            options.garbage = true;
        } else if (arg == "--babble") {
            options.babble = true;
        } else if (arg == "--protocol") {
            const std::optional<SimProtocol> protocol =
                hasValue ? ProtocolFromKey(argv[++i]) : std::nullopt;
            if (!protocol)
                return fail("--protocol needs esc-p, mt-sics, a-and-d, ohaus, sma or continuous");
            options.protocol = *protocol;
        } else if (arg == "--unit") {
            if (!hasValue || !std::regex_match(argv[i + 1], std::regex("[A-Za-z%]{1,5}")))
                return fail("--unit needs a unit of 1 to 5 letters");
            options.unit = argv[++i];
        } else if (arg == "--baud") {
            if (!count(options.baud) || !StandardRate(options.baud))
                return fail("--baud needs a standard line rate (1200, 2400, ... 115200)");
        } else if (arg == "--tcp") {
            if (!count(options.tcpPort) || options.tcpPort > 65535)
                return fail("--tcp needs a port number, 0 to 65535");
        } else if (arg == "--overload-after") {
            if (!count(options.overloadAfter))
                return fail("--overload-after needs a number of readings");
        } else if (arg == "--unplug-after") {
            if (!count(options.unplugAfter))
                return fail("--unplug-after needs a number of readings");
        } else {
            return fail("unknown option " + arg);
        }
    }
    if (options.tcpPort >= 0 && !options.link.empty())
        return fail("--link and --tcp exclude each other");
    if (options.printAtStability && !unstableGiven)
        options.unstableFraction = 0.3;
    exitCode = 0;
    return options;
}

} // namespace zephra::balancesim
