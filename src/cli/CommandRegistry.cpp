#include "cli/CommandRegistry.h"

#include <algorithm>

namespace zephra::cli {

namespace {

// Built on first use, so registrations from any file's static objects find
// it ready whatever the order of initialisation.
std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

} // namespace

CommandRegistration::CommandRegistration(std::string_view name, std::string_view summary,
                                         CommandFunction run) {
    Registry().push_back({name, summary, run});
}

std::vector<Command> RegisteredCommands() {
    std::vector<Command> commands = Registry();
    std::sort(commands.begin(), commands.end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
    return commands;
}

} // namespace zephra::cli
