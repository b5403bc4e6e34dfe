#include "CliRun.h"

#include <gtest/gtest.h>

namespace zephra::test {
namespace {

TEST(UsageTest, ToolHelpListsTheCommands) {
    const CliResult help = RunCli({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* name : {"edit-data", "new", "recalc", "report", "size"}) {
        EXPECT_NE(help.out.find(std::string("  ") + name + " "), std::string::npos) << name;
    }
    EXPECT_EQ(RunCli({}).status, 2);
    const CliResult unknown = RunCli({"frobnicate"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "zephra-cli: unknown command 'frobnicate'\nTry 'zephra-cli --help'.\n");
}

TEST(UsageTest, EveryCommandHasHelpAndRejectsUnknownOptions) {
    for (const char* name : {"edit-data", "new", "recalc", "report", "size"}) {
        SCOPED_TRACE(name);
        const CliResult help = RunCli({name, "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind(std::string("Usage: zephra-cli ") + name, 0), 0u);
        EXPECT_TRUE(help.err.empty());

        const CliResult wrong = RunCli({name, "--no-such-option", "x.zph"});
        EXPECT_EQ(wrong.status, 2);
        EXPECT_EQ(wrong.err, std::string("zephra-cli ") + name +
                                 ": unknown option '--no-such-option'\nTry 'zephra-cli " + name +
                                 " --help'.\n");
    }
}

TEST(UsageTest, WrongArgumentsAreUsageErrors) {
    const std::vector<std::vector<std::string>> cases = {
        {"recalc", "only-one.zph"},
        {"recalc", "a.zph", "b.zph", "c.zph"},
        {"recalc", "--in-place"},
        {"report"},
        {"report", "--panel", "middle", "w.zph"},
        {"report", "--panel"},
        {"new", "w.zph", "--type", "sweet"},
        {"new", "w.zph", "--units", "lpm"},
        {"new"},
        {"new", "w.zph", "--area", "1", "--area", "2"},
        {"edit-data", "w.zph", "--skip", "13"},
        {"edit-data", "w.zph", "--skip", "two"},
        {"edit-data", "w.zph", "--point", "37", "1", "0", "15"},
        {"edit-data", "w.zph", "--point", "1", "1", "0"},
        {"edit-data"},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_TRUE(result.out.empty());
        EXPECT_NE(result.err.find("Try 'zephra-cli " + args[0] + " --help'."), std::string::npos);
    }
}

} // namespace
} // namespace zephra::test
