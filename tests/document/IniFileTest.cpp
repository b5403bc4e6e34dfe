// The INI file module: reading through the INI library, writing atomically.

#include "document/IniFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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
    EXPECT_TRUE(read.badLines.empty());
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
    ASSERT_EQ(read.badLines.size(), 1u);
    EXPECT_EQ(read.badLines[0].number, 3);
    EXPECT_EQ(read.badLines[0].section, "balance");
    EXPECT_EQ(read.file.Value("balance", "baud"), "9600");
    EXPECT_EQ(ParseIniText("[unclosed\n").badLines.at(0).number, 1);
}

// Every bad line is listed with the section it stands in.
TEST_F(IniFileTest, EachBadLineIsKnownWithItsSection) {
    const IniReadResult read = ParseIniText("stray\n[a]\nk = 1\nno equals\n[b\n; fine\n\n"
                                            "[c]\nv = " +
                                            std::string(300, 'x') + "\n");
    std::vector<std::pair<int, std::string>> bad;
    for (const IniBadLine& line : read.badLines)
        bad.emplace_back(line.number, line.section);
    EXPECT_EQ(bad,
              (std::vector<std::pair<int, std::string>>{{1, ""}, {4, "a"}, {5, "a"}, {9, "c"}}));
    EXPECT_EQ(read.BadLinesIn("A").size(), 2u);
    EXPECT_TRUE(read.BadLinesIn("b").empty());
    EXPECT_EQ(read.file.Value("a", "k"), "1");
    EXPECT_FALSE(read.file.Value("c", "v")); // a line too long is not cut into two
}

// Setting a key rewrites its line alone, or adds one at the end of its
// section; every other byte of the file stays.
TEST_F(IniFileTest, SettingAKeyKeepsEveryOtherLine) {
    struct Case {
        std::string before;
        const char* section;
        const char* key;
        const char* value;
        std::string after;
    };
    const Case cases[] = {
        {"; c\n[a]\nk = 1 ; why\nbad\n", "a", "k", "2", "; c\n[a]\nk = 2 ; why\nbad\n"},
        {"[a]\r\nk = 1\r\n", "A", "K", "2", "[a]\r\nk = 2\r\n"},
        {"[a]\nk = 1\n\n[b]\nx = 1\n", "a", "n", "3", "[a]\nk = 1\nn = 3\n\n[b]\nx = 1\n"},
        {"[a]\nk = 1", "b", "x", "2", "[a]\nk = 1\n\n[b]\nx = 2\n"},
        {"[a]\nk = 1", "a", "j", "2", "[a]\nk = 1\nj = 2\n"},
        {"[a]\n  K=1 \n", "a", "k", "1", "[a]\n  K=1 \n"}, // unchanged, untouched
        {"", "a", "k", "1", "[a]\nk = 1\n"},
        {"[a]\nk = 1\n[a]\nk = 2\n", "a", "k", "3", "[a]\nk = 1\n[a]\nk = 3\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.before);
        IniFile file = ParseIniText(c.before).file;
        file.Set(c.section, c.key, c.value);
        EXPECT_EQ(IniText(file), c.after);
        EXPECT_EQ(ParseIniText(c.after).file.Value(c.section, c.key), c.value);
    }
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
    EXPECT_TRUE(back.badLines.empty());
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
