#pragma once

#include "acquisition/LineSettings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zephra {

// The languages laboratory balances speak on their data port.
enum class BalanceDialect {
    EscP,       // ESC P CR / ESC T CR, a 16-character reply: the program's own link
    MtSics,     // the standard interface command set: SI / T, "S S     123.45 g"
    AandD,      // Q / T, "ST,+00123.45  g"
    Ohaus,      // IP / T, "     123.45 g  ?"
    Sma,        // LF W CR / LF T CR, the scale industry's standard interface
    Continuous, // no request: the balance prints lines on its own
};

// Every dialect, the program's own first.
const std::vector<BalanceDialect>& AllDialects();

// The key of a dialect in settings and on the command line ("esc-p",
// "mt-sics", "a-and-d", "ohaus", "sma", "continuous").
std::string DialectKey(BalanceDialect dialect);
std::optional<BalanceDialect> DialectFromKey(std::string_view key);

// What a lab chooses on its balance for the dialect ("ESC P print command").
std::string DialectDescription(BalanceDialect dialect);

// The line settings a balance of the family ships with.
LineSettings DefaultLine(BalanceDialect dialect);

} // namespace zephra
