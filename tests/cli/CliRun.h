#pragma once

#include "document/WineRec.h"

#include <string>
#include <vector>

namespace zephra::test {

// What one run of the built zephra-cli gave.
struct CliResult {
    int status = -1; // exit status
    std::string out; // standard output
    std::string err; // standard error
};

// Runs zephra-cli with `args`, feeding `input` to its standard input, in
// the "C" locale.
CliResult RunCli(const std::vector<std::string>& args, const std::string& input = {});

// Runs zephra-cli with `args`, its standard input opened from `inputPath`
// and its standard output written to `outputPath` (a device such as
// /dev/full, say); the result's `out` is then empty.
CliResult RunCliOn(const std::vector<std::string>& args, const std::string& inputPath,
                   const std::string& outputPath);

// The arguments of "new" for a valid wine written to `path`.
std::vector<std::string> NewWineArgs(const std::string& path);

// Writes to `path` a wine made with NewWineArgs whose 36 readings, one
// every 15 s as entered by hand (0.1 ml, whole seconds), follow the
// standard law with Vmax 300 L/m² and J0 2000 LMH on its 47 mm filter.
// False when the tool fails.
bool WriteStandardLawWine(const std::string& path);

// The wine record in a file written by the tool (checked to hold one record,
// with or without notes after it).
TWineRec RecordIn(const std::string& path);

// The bytes of a file; empty when it cannot be read.
std::string FileBytes(const std::string& path);

} // namespace zephra::test
