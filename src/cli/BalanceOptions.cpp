#include "cli/BalanceOptions.h"

#include "acquisition/BalanceProbe.h"
#include "acquisition/ComPortBalance.h"
#include "acquisition/SettingsFile.h"
#include "acquisition/TcpTransport.h"
#include "acquisition/WeightReadingText.h"
#include "entry/ControlCharacters.h"

#include <ostream>

namespace zephra::cli {

const char* const BalanceOptionsHelp =
    "  --port NAME         COMn (through the port map), a device path or\n"
    "                      tcp://HOST:PORT for a balance on the network; default\n"
    "                      the address in balance.conf, else the port of the\n"
    "                      settings file\n"
    "  --balance KEY       the balance's dialect: esc-p, mt-sics, a-and-d, ohaus,\n"
    "                      sma, continuous, or auto to detect it; default the\n"
    "                      dialect of balance.conf, else esc-p\n"
    "  --baud N            line rate (default the dialect's)\n"
    "  --framing F         data bits, parity, stop bits: 8N1, 7E1, 7O1, ...\n"
    "  --handshake H       none, rtscts or xonxoff\n";

std::vector<OptionSpec> BalanceOptionSpecs() {
    return {{"--port", 1, false},
            {"--balance", 1, false},
            {"--baud", 1, false},
            {"--framing", 1, false},
            {"--handshake", 1, false}};
}

std::optional<ChosenBalance> ChooseBalance(const ParsedArguments& parsed, std::ostream& err) {
    ChosenBalance chosen;
    const BalanceProfileRead file = ReadBalanceProfile(BalanceProfilePath());
    if (!file.problem.empty())
        err << VisibleControlCharacters(file.problem) << "; using the ESC P link\n";
    chosen.profile = file.profile;

    const std::string key = parsed.value("--balance", "");
    chosen.detect = key == "auto";
    const bool lineGiven =
        parsed.has("--baud") || parsed.has("--framing") || parsed.has("--handshake");
    if (chosen.detect && lineGiven)
        throw UsageError("--balance auto tries each dialect at its own line settings; leave "
                         "out --baud, --framing and --handshake");
    if (!key.empty() && !chosen.detect) {
        const std::optional<BalanceDialect> dialect = DialectFromKey(key);
        if (!dialect)
            throw UsageError("--balance must be esc-p, mt-sics, a-and-d, ohaus, sma, continuous "
                             "or auto");
        if (!chosen.profile || chosen.profile->Dialect != *dialect) {
            BalanceProfile profile;
            profile.Dialect = *dialect;
            profile.Line = DefaultLine(*dialect);
            profile.Address = chosen.profile ? chosen.profile->Address : "";
            chosen.profile = profile;
        }
    }
    if (lineGiven && !chosen.profile)
        chosen.profile = BalanceProfile{};
    if (parsed.has("--baud")) {
        const std::optional<int> rate = ParseBaudRate(parsed.value("--baud", ""));
        if (!rate)
            throw UsageError("--baud must be a line rate from 50 to 4000000");
        chosen.profile->Line.BaudRate = *rate;
    }
    if (parsed.has("--framing") &&
        !ParseFraming(parsed.value("--framing", ""), chosen.profile->Line))
        throw UsageError("--framing must be data bits, parity and stop bits, like 8N1 or 7E1");
    if (parsed.has("--handshake")) {
        const std::optional<Handshake> flow = HandshakeFromKey(parsed.value("--handshake", ""));
        if (!flow)
            throw UsageError("--handshake must be none, rtscts or xonxoff");
        chosen.profile->Line.Flow = *flow;
    }

    if (parsed.has("--port")) {
        chosen.where = parsed.value("--port", "");
        const bool network = IsNetworkAddress(chosen.where);
        if (network && !ParseTcpAddress(chosen.where))
            throw UsageError("--port tcp://HOST:PORT needs a host and a port from 1 to 65535");
        if (network && !chosen.profile)
            chosen.profile = BalanceProfile{};
        if (chosen.profile)
            chosen.profile->Address = network ? chosen.where : "";
    } else if (chosen.profile && !chosen.profile->Address.empty()) {
        chosen.where = chosen.profile->Address;
    } else {
        TEnvironmentRec environment{};
        if (const int error = ReadDataFile(SettingsFilePath(), environment)) {
            err << SettingsFilePath() << ": cannot read the settings file (I/O Error type " << error
                << "); give the balance's port with --port\n";
            return std::nullopt;
        }
        chosen.where = BalanceDeviceName(environment.ScalePortNumber());
    }
    return chosen;
}

bool DetectIfAsked(ChosenBalance& balance, std::ostream& out, std::ostream& err) {
    if (!balance.detect)
        return true;
    BalanceProbe probe(balance.where);
    std::optional<DetectedBalance> found;
    try {
        found = probe.Detect();
    } catch (const BalanceError& e) {
        err << e.what() << "\n";
        return false;
    }
    if (!found) {
        err << balance.where << ": no balance answered in any dialect\n";
        return false;
    }
    BalanceProfile profile;
    profile.Dialect = found->dialect;
    profile.Line = DefaultLine(found->dialect);
    if (IsNetworkAddress(balance.where))
        profile.Address = balance.where;
    balance.profile = profile;
    balance.detect = false;
    out << "found " << BalanceText(balance) << ": " << WeightReadingText(found->reading);
    if (!found->identity.empty())
        out << " (" << found->identity << ")";
    out << std::endl;
    return true;
}

std::string BalanceText(const ChosenBalance& balance) {
    if (!balance.profile)
        return "esc-p";
    const std::string dialect = DialectKey(balance.profile->Dialect);
    return balance.profile->Address.empty() ? dialect + " " + LineText(balance.profile->Line)
                                            : dialect;
}

} // namespace zephra::cli
