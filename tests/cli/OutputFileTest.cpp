#include "CliRun.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace zephra::test {
namespace {

const std::string Sample = ZEPHRA_EXAMPLES_DIR "/chardonnay.zph";

class OutputFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(wine, std::ios::binary) << FileBytes(Sample);
        std::ofstream(other, std::ios::binary) << FileBytes(Sample);
    }

    TempFolder folder;
    const std::string wine = folder.file("wine.zph");
    const std::string other = folder.file("other.zph");
};

// An output never replaces a wine file: neither the wine it is made from,
// under any of its names, nor any other wine.
TEST_F(OutputFileTest, AWineFileIsNeverReplacedByAnOutput) {
    const std::string hardLink = folder.file("hard-link.pdf");
    const std::string symbolicLink = folder.file("link.csv");
    ASSERT_EQ(::link(wine.c_str(), hardLink.c_str()), 0);
    std::filesystem::create_symlink(wine, symbolicLink);
    const std::vector<std::string> commands[] = {
        {"export", "--format", "csv", wine, "-o", wine},
        {"export", "--format", "json", wine, "-o", symbolicLink},
        {"pdf", other, wine, "-o", hardLink},
        {"graph", "--kind", "lab", wine, "-o", wine},
        {"export", "--format", "csv", wine, "-o", other},
        {"pdf", wine, "-o", other},
    };
    for (const std::vector<std::string>& args : commands) {
        SCOPED_TRACE(args[0] + " -o " + args.back());
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err.rfind(args.back() + ": not written: ", 0), 0u) << result.err;
        EXPECT_EQ(FileBytes(wine), FileBytes(Sample));
        EXPECT_EQ(FileBytes(other), FileBytes(Sample));
    }
}

// A wine is known by its bytes too, and a file with other hard links is
// never written: the output would go into every file of those names.
TEST_F(OutputFileTest, AWineUnderAnyNameAndAFileWithOtherLinksAreKept) {
    const std::string hard = folder.file("hard.png");
    ASSERT_EQ(::link(other.c_str(), hard.c_str()), 0);
    const std::string renamed = folder.file("wine-copy.png");
    std::ofstream(renamed, std::ios::binary) << FileBytes(Sample);
    const std::string noted = folder.file("noted.pdf");
    ASSERT_EQ(RunCli({"recalc", Sample, folder.file("noted.zph")}).status, 0);
    ASSERT_EQ(RunCli({"edit-conditions", folder.file("noted.zph"), "--comments", "Kept"}).status,
              0);
    std::filesystem::rename(folder.file("noted.zph"), noted);
    const std::string notedBytes = FileBytes(noted);
    const std::string text = folder.file("text.png");
    const std::string textLink = folder.file("text-link.png");
    std::ofstream(text) << "some text\n";
    ASSERT_EQ(::link(text.c_str(), textLink.c_str()), 0);

    for (const std::string& target : {hard, renamed, noted, textLink}) {
        const std::vector<std::string> commands[] = {
            {"compare", wine, "-o", target},
            {"export", "--format", "csv", wine, "-o", target},
            {"graph", "--kind", "lab", wine, "-o", target},
            {"pdf", wine, "-o", target},
        };
        for (const std::vector<std::string>& args : commands) {
            SCOPED_TRACE(args[0] + " -o " + target);
            const CliResult result = RunCli(args);
            EXPECT_EQ(result.status, 1);
            EXPECT_EQ(result.err.rfind(target + ": not written: ", 0), 0u) << result.err;
            EXPECT_EQ(FileBytes(other), FileBytes(Sample));
            EXPECT_EQ(FileBytes(renamed), FileBytes(Sample));
            EXPECT_EQ(FileBytes(noted), notedBytes);
            EXPECT_EQ(FileBytes(text), "some text\n");
        }
    }

    // A file of a wine's length that is no wine, and a file of one name,
    // are outputs' to replace.
    std::filesystem::remove(textLink);
    const std::string notAWine = folder.file("not-a-wine.png");
    std::ofstream(notAWine, std::ios::binary) << std::string(2181, '\xFF');
    for (const std::string& target : {notAWine, text}) {
        const CliResult result = RunCli({"export", "--format", "csv", wine, "-o", target});
        EXPECT_EQ(result.status, 0) << result.err;
    }
    EXPECT_NE(FileBytes(text), "some text\n");
}

// A device such as /dev/null takes an output as it comes; a terminal does
// not, and a device that fails the write is reported.
TEST_F(OutputFileTest, ACharacterDeviceThatIsNoTerminalTakesTheOutput) {
    const std::vector<std::string> commands[] = {
        {"export", "--format", "json", wine},
        {"pdf", wine},
        {"graph", "--kind", "window", wine},
    };
    const int terminal = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(terminal, 0);
    ASSERT_EQ(::grantpt(terminal), 0);
    ASSERT_EQ(::unlockpt(terminal), 0);
    const std::string terminalPath = ::ptsname(terminal);
    for (std::vector<std::string> args : commands) {
        SCOPED_TRACE(args[0]);
        args.push_back("-o");
        args.push_back("/dev/null");
        const CliResult toNull = RunCli(args);
        EXPECT_EQ(toNull.status, 0);
        EXPECT_EQ(toNull.err, "");

        args.back() = "/dev/full";
        const CliResult toFull = RunCli(args);
        EXPECT_EQ(toFull.status, 1);
        EXPECT_EQ(toFull.err,
                  "/dev/full: the file could not be written: No space left on device\n");

        args.back() = terminalPath;
        const CliResult toTerminal = RunCli(args);
        EXPECT_EQ(toTerminal.status, 1);
        EXPECT_EQ(toTerminal.err, terminalPath + ": not written: it is a terminal\n");
        char byte = 0;
        EXPECT_EQ(::read(terminal, &byte, 1), -1) << "nothing reached the terminal";
    }
    ::close(terminal);
}

} // namespace
} // namespace zephra::test
