#pragma once

#include "SimOptions.h"

#include <optional>
#include <string>
#include <string_view>

namespace zephra::balancesim {

std::optional<SimProtocol> ProtocolFromKey(std::string_view key);
// The line rate a balance of the protocol ships with.
int DefaultBaud(SimProtocol protocol);
// Whether `rate` has a standard termios speed (1200, 9600, ...).
bool StandardRate(int rate);

// Splits the bytes from the program into the protocol's commands: ESC
// letter CR for esc-p ("P", "T"), lines ending in CR or LF for mt-sics,
// a-and-d and ohaus ("SI", "Q", "IP"), LF ... CR for sma ("W"). A
// continuous balance takes no commands.
class CommandSplitter {
public:
    explicit CommandSplitter(SimProtocol protocol) : protocol_(protocol) {}
    // The command once one is complete.
    std::optional<std::string> Feed(char c);

private:
    SimProtocol protocol_;
    std::string command_;
    bool inCommand_ = false;
};

// What the balance shows when it is asked.
struct SimReading {
    double grams = 0.0;
    bool stable = true;
    bool overload = false;
};

// How the balance takes a command.
enum class CommandKind {
    Weight,   // asks for the weight
    Tare,     // zeroes the balance
    Identify, // asks who the balance is
    Unknown,  // not a command of the protocol
};
CommandKind KindOf(SimProtocol protocol, const std::string& command);

// The reply to `command` with `reading` shown in `unit` (a unit the
// simulator cannot convert prints the grams); nothing when the protocol
// does not answer it. `longForm`: the 22-character esc-p reply.
std::optional<std::string> ReplyTo(SimProtocol protocol, const std::string& command,
                                   const SimReading& reading, const std::string& unit,
                                   bool longForm);

// The line a continuous balance prints for `reading`.
std::string StreamLine(const SimReading& reading, const std::string& unit);

} // namespace zephra::balancesim
