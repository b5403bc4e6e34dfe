#pragma once

// The balance options shared by "collect" and "balance": which balance,
// where, and how the line is set.

#include "acquisition/BalanceProfile.h"
#include "cli/Arguments.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace zephra::cli {

// --port, --balance, --baud, --framing, --handshake.
std::vector<OptionSpec> BalanceOptionSpecs();

// The help text of those options.
extern const char* const BalanceOptionsHelp;

// The balance a command talks to.
struct ChosenBalance {
    // "COMn", a device path or tcp://HOST:PORT.
    std::string where;
    // Nothing: the ESC P link of the settings file, exactly as the desktop
    // program uses it without a balance.conf.
    std::optional<BalanceProfile> profile;
    // --balance auto: the dialect is to be detected on `where`.
    bool detect = false;
};

// Chooses the balance from balance.conf and the options, which win: a
// --balance other than the profile's takes that dialect's line settings,
// which --baud, --framing and --handshake change; a --port replaces the
// profile's address. Without a --port the profile's address is used, else
// the port of the settings file. A balance.conf that cannot be used is
// reported on `err` and left aside. Throws UsageError for bad options;
// returns nothing after reporting an unreadable settings file on `err`.
std::optional<ChosenBalance> ChooseBalance(const ParsedArguments& parsed, std::ostream& err);

// Detects the dialect on `balance.where` when asked to (see ChosenBalance);
// false after reporting on `err` that no balance answered.
bool DetectIfAsked(ChosenBalance& balance, std::ostream& out, std::ostream& err);

// "mt-sics 9600 8N1", or "esc-p" for the link of the settings file.
std::string BalanceText(const ChosenBalance& balance);

} // namespace zephra::cli
