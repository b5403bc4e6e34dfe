#include "CliRun.h"

#include <gtest/gtest.h>

namespace zephra::test {
namespace {

const std::string Sample = ZEPHRA_EXAMPLES_DIR "/chardonnay.zph";

// What a command prints is checked to have reached its place: a full disk
// (here /dev/full) makes the command fail with the system's message.
TEST(StandardOutputTest, AFailedWriteIsReportedWithTheSystemsMessage) {
    const std::vector<std::string> commands[] = {
        {"report", Sample},
        {"analyze", Sample},
        {"analyze", "--json", Sample},
        {"summary", Sample},
        {"summary", "--csv", Sample},
        {"export", "--format", "csv", Sample},
        {"export", "--format", "json", Sample},
        {"pdf", Sample, "-o", "-"},
        {"report", "--help"},
    };
    for (const std::vector<std::string>& args : commands) {
        SCOPED_TRACE(args[0] + " " + args[1]);
        const CliResult full = RunCliOn(args, "/dev/null", "/dev/full");
        EXPECT_EQ(full.status, 1);
        EXPECT_EQ(full.err,
                  "zephra-cli " + args[0] + ": standard output: No space left on device\n");

        const CliResult null = RunCliOn(args, "/dev/null", "/dev/null");
        EXPECT_EQ(null.status, 0);
        EXPECT_EQ(null.err, "");
    }
}

} // namespace
} // namespace zephra::test
