#include "cli/Arguments.h"

#include <algorithm>

namespace zephra::cli {

std::string ParsedArguments::value(const std::string& name, const std::string& fallback) const {
    const auto it = options.find(name);
    return it == options.end() ? fallback : it->second.front().front();
}

ParsedArguments ParseArguments(const std::vector<std::string>& args,
                               const std::vector<OptionSpec>& specs) {
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            parsed.help = true;
            continue;
        }
        const auto option = std::find_if(specs.begin(), specs.end(),
                                         [&](const OptionSpec& s) { return s.name == arg; });
        if (option == specs.end()) {
            throw UsageError("unknown option '" + arg + "'");
        }
        if (!option->repeatable && parsed.has(arg)) {
            throw UsageError("option '" + arg + "' given more than once");
        }
        const auto count = static_cast<std::size_t>(option->valueCount);
        if (args.size() - i - 1 < count) {
            throw UsageError("option '" + arg + "' needs " + std::to_string(count) +
                             (count == 1 ? " value" : " values"));
        }
        std::vector<std::string> values(args.begin() + static_cast<std::ptrdiff_t>(i + 1),
                                        args.begin() + static_cast<std::ptrdiff_t>(i + 1 + count));
        parsed.options[arg].push_back(std::move(values));
        i += count;
    }
    return parsed;
}

} // namespace zephra::cli
