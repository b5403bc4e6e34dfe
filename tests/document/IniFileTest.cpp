// The INI file module: reading through the INI library, writing atomically.

#include "document/IniFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace zephra;

namespace {

namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zephra-ini-" + std::to_string(getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Write(const std::string& name, const std::string& text) {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path dir;
};

TEST_F(IniFileTest, ReadsSectionsKeysAndComments) {
    const IniReadResult read = ReadIniFile(Write("a.conf", "; a comment\n"
                                                           "# another\n"
                                                           "[Balance]\n"
                                                           "Dialect = mt-sics\n"
                                                           "baud=19200\n"
                                                           "  framing   =   7E1   \n"
                                                           "\n"
                                                           "[other]\r\n"
                                                           "key = first\r\n"
                                                           "key = second ; inline comment\r\n"));
    EXPECT_EQ(read.error, 0);
    EXPECT_EQ(read.badLine, 0);
    EXPECT_EQ(read.file.Value("balance", "dialect"), "mt-sics");
    EXPECT_EQ(read.file.Value("BALANCE", "BAUD"), "19200");
    EXPECT_EQ(read.file.Value("balance", "framing"), "7E1");
    EXPECT_EQ(read.file.Value("other", "key"), "second");
    EXPECT_FALSE(read.file.Value("balance", "key"));
    EXPECT_FALSE(read.file.Value("missing", "dialect"));
    ASSERT_EQ(read.file.Sections().size(), 2u);
}

TEST_F(IniFileTest, BadLinesAreReportedAndTheRestIsRead) {
    const IniReadResult read =
        ParseIniText("[balance]\ndialect = sma\nthis line has no equals sign\nbaud = 9600\n");
    EXPECT_EQ(read.badLine, 3);
    EXPECT_EQ(read.file.Value("balance", "baud"), "9600");
    EXPECT_EQ(ParseIniText("[unclosed\n").badLine, 1);
}

TEST_F(IniFileTest, MissingFoldersAndOtherFilesAreErrors) {
    EXPECT_EQ(ReadIniFile((dir / "none.conf").string()).error, ENOENT);
    EXPECT_EQ(ReadIniFile(dir.string()).error, EISDIR);
    const std::string fifo = (dir / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadIniFile(fifo).error, EINVAL);
}

TEST_F(IniFileTest, WritesWhatReadsBackAndCreatesTheFolder) {
    IniFile file;
    file.Set("balance", "dialect", "a-and-d");
    file.Set("balance", "address", "tcp://10.0.0.5:4001");
    file.Set("zephra", "empty", "");
    file.Set("Balance", "DIALECT", "sma");
    const std::string path = (dir / "new" / "folder" / "x.conf").string();
    ASSERT_EQ(WriteIniFile(path, file), 0);
    EXPECT_EQ(Read(path), "[balance]\n"
                          "dialect = sma\n"
                          "address = tcp://10.0.0.5:4001\n"
                          "\n"
                          "[zephra]\n"
                          "empty = \n");
    const IniReadResult back = ReadIniFile(path);
    EXPECT_EQ(back.badLine, 0);
    EXPECT_EQ(back.file.Value("balance", "dialect"), "sma");
    EXPECT_EQ(back.file.Value("zephra", "empty"), "");
    EXPECT_EQ(back.file.Value("balance", "address"), "tcp://10.0.0.5:4001");
}

// Names and values that would not read back the same are refused, and the
// old file stays.
TEST_F(IniFileTest, RefusesWhatWouldNotReadBack) {
    const std::string path = Write("keep.conf", "[a]\nb = c\n");
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    for (const Case& c :
         {Case{"a]", "k", "v"}, Case{"", "k", "v"}, Case{"s", "", "v"}, Case{"s", "k=x", "v"},
          Case{"s", "k", "line\nbreak"}, Case{"s", "k", " padded"}, Case{"s", "k", "a ; comment"},
          Case{"s", "#k", "v"}, Case{"s\n", "k", "v"}}) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key + "/" + c.value);
        IniFile file;
        file.Set(c.section, c.key, c.value);
        EXPECT_FALSE(IniText(file));
        EXPECT_EQ(WriteIniFile(path, file), EINVAL);
    }
    EXPECT_EQ(Read(path), "[a]\nb = c\n");
}

} // namespace
