#pragma once

// Command-line parsing shared by the subcommands: options of the form
// "--name" followed by a fixed number of values (taken verbatim, so a value
// may start with "-"), positional arguments, "--" ending the options, and
// "--help" / "-h" anywhere before "--".

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace zephra::cli {

// Wrong usage; the text says what is wrong.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    std::string name; // with its leading "--"
    int valueCount;   // 0 for a flag
    bool repeatable;
};

struct ParsedArguments {
    bool help = false;
    std::vector<std::string> positional;
    // Each occurrence of an option, with its values, in command-line order.
    std::map<std::string, std::vector<std::vector<std::string>>> options;

    bool has(const std::string& name) const { return options.count(name) != 0; }
    // The single value of a one-value option, or `fallback` when absent.
    std::string value(const std::string& name, const std::string& fallback) const;
};

// Throws UsageError for an unknown option, a missing value or a repeated
// option that is not repeatable.
ParsedArguments ParseArguments(const std::vector<std::string>& args,
                               const std::vector<OptionSpec>& specs);

} // namespace zephra::cli
