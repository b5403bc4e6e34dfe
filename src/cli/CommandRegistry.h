#pragma once

// The subcommands of zephra-cli. Each subcommand lives in a file of its own
// named <Name>Command.cpp (picked up by the build) and registers itself with
// one line at the end of that file:
//
//   const CommandRegistration registration{"recalc", "recalculate wine files", RunRecalc};
//
// The function gets the arguments after the subcommand's name and returns
// the exit status.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace zephra::cli {

// Exit statuses of every subcommand.
enum ExitStatus : int { ExitSuccess = 0, ExitFailure = 1, ExitUsage = 2 };

// The streams a subcommand reads and writes; tests substitute their own.
struct CommandStreams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

using CommandFunction = int (*)(const std::vector<std::string>& args, CommandStreams& io);

struct Command {
    std::string_view name;
    std::string_view summary; // one line for the tool's overall help
    CommandFunction run;
};

class CommandRegistration {
public:
    CommandRegistration(std::string_view name, std::string_view summary, CommandFunction run);
};

// Every registered subcommand, sorted by name.
std::vector<Command> RegisteredCommands();

} // namespace zephra::cli
