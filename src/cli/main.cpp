#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"

#include <algorithm>
#include <clocale>

#include <exception>
#include <iostream>

namespace {

void PrintUsage(std::ostream& out) {
    out << "Usage: zephra-cli COMMAND [ARGUMENTS]\n"
           "\n"
           "Works on ZEPHRA wine files (.zph) without the desktop window.\n"
           "\n"
           "Commands:\n";
    for (const zephra::cli::Command& command : zephra::cli::RegisteredCommands()) {
        const std::size_t pad = command.name.size() < 11 ? 12 - command.name.size() : 1;
        out << "  " << command.name << std::string(pad, ' ') << command.summary << '\n';
    }
    out << "\n"
           "'zephra-cli COMMAND --help' describes a command.\n"
           "Exit status: 0 success, 1 file or data error, 2 wrong usage.\n";
}

} // namespace

int main(int argc, char** argv) {
    using namespace zephra::cli;
    // Like the program: gallon totals take the user's thousands separator.
    // Number texts of the record never depend on the locale.
    std::setlocale(LC_ALL, "");
    if (argc < 2) {
        PrintUsage(std::cerr);
        return ExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(std::cout);
        return ExitSuccess;
    }
    for (const Command& command : RegisteredCommands()) {
        if (command.name == name) {
            CommandStreams io{std::cin, std::cout, std::cerr};
            try {
                return command.run(std::vector<std::string>(argv + 2, argv + argc), io);
            } catch (const UsageError& e) {
                std::cerr << "zephra-cli " << name << ": " << e.what() << '\n'
                          << "Try 'zephra-cli " << name << " --help'.\n";
                return ExitUsage;
            } catch (const std::exception& e) {
                std::cerr << "zephra-cli " << name << ": " << e.what() << '\n';
                return ExitFailure;
            }
        }
    }
    std::cerr << "zephra-cli: unknown command '" << name << "'\n"
              << "Try 'zephra-cli --help'.\n";
    return ExitUsage;
}
