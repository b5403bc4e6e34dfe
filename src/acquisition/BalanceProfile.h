#pragma once

#include "acquisition/BalanceDialect.h"
#include "acquisition/LineSettings.h"

#include <optional>
#include <string>

namespace zephra {

// How the program talks to the lab's balance when it is not the ESC P link
// of the settings file: the dialect, its line settings, and the balance's
// network address when it is on the network (empty: the serial port of the
// settings file).
struct BalanceProfile {
    BalanceDialect Dialect = BalanceDialect::EscP;
    LineSettings Line = DefaultLine(BalanceDialect::EscP);
    std::string Address; // "tcp://HOST:PORT", or empty

    bool operator==(const BalanceProfile&) const = default;
};

// The profile file beside the settings file: $XDG_CONFIG_HOME/zephra/balance.conf.
std::string BalanceProfilePath();

// What reading the profile file gave: a profile, or none with the reason
// (empty when there is no file, which is the usual case).
struct BalanceProfileRead {
    std::optional<BalanceProfile> profile;
    std::string problem;
};

// Reads the INI file at `path`:
//
//   [balance]
//   dialect = mt-sics
//   baud = 9600            ; optional, like the two below: the dialect's own
//   framing = 8N1
//   handshake = none       ; none, rtscts or xonxoff
//   address = tcp://10.0.0.5:4001   ; optional: a balance on the network
//
// A missing file, one that cannot be read, and one with a bad line or value
// give no profile: the program then uses the ESC P link of the settings file.
BalanceProfileRead ReadBalanceProfile(const std::string& path);

// The profile in effect (none: the ESC P link of the settings file) and the
// file that keeps it.
struct BalanceSetup {
    std::optional<BalanceProfile> profile;
    std::string path;
};

// The setup kept at `path`: its profile when the file can be used (see
// ReadBalanceProfile), else none.
BalanceSetup LoadBalanceSetup(const std::string& path);

// Writes `profile` to `path` as ReadBalanceProfile reads it, atomically.
// Returns 0 or the errno of the failure.
int WriteBalanceProfile(const std::string& path, const BalanceProfile& profile);

} // namespace zephra
