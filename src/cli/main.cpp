#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/StandardStreams.h"

#include <algorithm>
#include <clocale>
#include <cstring>
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

// Runs the command named by the arguments; its exit status.
int RunCommand(int argc, char** argv, std::istream& in, std::ostream& out) {
    using namespace zephra::cli;
    if (argc < 2) {
        PrintUsage(std::cerr);
        return ExitUsage;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(out);
        return ExitSuccess;
    }
    for (const Command& command : RegisteredCommands()) {
        if (command.name == name) {
            CommandStreams io{in, out, std::cerr};
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

} // namespace

int main(int argc, char** argv) {
    using namespace zephra::cli;
    // Like the program: gallon totals take the user's thousands separator.
    // Number texts of the record never depend on the locale.
    std::setlocale(LC_ALL, "");
    StandardInputBuffer inputBuffer;
    StandardOutputBuffer outputBuffer;
    std::istream in(&inputBuffer);
    std::ostream out(&outputBuffer);
    // What is printed stays in order with the messages on standard error.
    std::cerr.tie(&out);
    const int status = RunCommand(argc, argv, in, out);
    std::cerr.tie(nullptr);
    // What was printed must have reached its place: a full disk is a
    // failure, not a success with an empty file.
    if (const int error = outputBuffer.Finish()) {
        std::cerr << (argc < 2 || argv[1][0] == '-' ? std::string("zephra-cli")
                                                    : "zephra-cli " + std::string(argv[1]))
                  << ": standard output: " << std::strerror(error) << '\n';
        return status == ExitSuccess ? ExitFailure : status;
    }
    return status;
}
