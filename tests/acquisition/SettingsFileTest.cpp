#include "acquisition/SettingsFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using zephra::ReadDataFile;
using zephra::TEnvironmentRec;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zephra-settings-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Write(const std::string& bytes) {
        const auto path = (dir / "zephra.dat").string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    fs::path dir;
};

TEST_F(SettingsFileTest, ReadsPortNumberAtOffset1540AndKeepsReservedBytes) {
    std::string bytes(1544, '\0');
    bytes[0] = 'R';
    bytes[1539] = '\x7f';
    bytes[1540] = '\x0c'; // 12: carried although the dialog offers only 1..9
    TEnvironmentRec env{};
    ASSERT_EQ(ReadDataFile(Write(bytes), env), 0);
    EXPECT_EQ(env.ScalePortNumber(), 12);
    EXPECT_EQ(env.Reserved[0], 'R');
    EXPECT_EQ(env.Reserved[1539], 0x7f);
}

TEST_F(SettingsFileTest, PortNumberIsSignedLittleEndian) {
    std::string bytes(1544, '\0');
    bytes.replace(1540, 4, std::string("\xfe\xff\xff\xff", 4));
    TEnvironmentRec env{};
    ASSERT_EQ(ReadDataFile(Write(bytes), env), 0);
    EXPECT_EQ(env.ScalePortNumber(), -2);
    env.SetScalePortNumber(0x01020304);
    EXPECT_EQ(env.ScalePortBytes[0], 4);
    EXPECT_EQ(env.ScalePortBytes[3], 1);
}

TEST_F(SettingsFileTest, MissingFileGivesErrno) {
    TEnvironmentRec env{};
    EXPECT_EQ(ReadDataFile((dir / "absent.dat").string(), env), ENOENT);
}

// Something other than a file at the settings path is an error that ends
// start-up, and a named pipe nobody writes to must not hold it up.
TEST_F(SettingsFileTest, FolderOrNamedPipeIsAnErrorWithoutWaiting) {
    const std::string folder = (dir / "folder.dat").string();
    fs::create_directory(folder);
    const std::string pipe = (dir / "pipe.dat").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    struct Case {
        std::string path;
        int error;
    };
    for (const Case& c : {Case{folder, EISDIR}, Case{pipe, EINVAL}}) {
        SCOPED_TRACE(c.path);
        auto read = std::async(std::launch::async, [&] {
            TEnvironmentRec env{};
            return ReadDataFile(c.path, env);
        });
        if (read.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            // Release a reader stuck on the pipe, so that the test can end.
            ::close(::open(c.path.c_str(), O_WRONLY | O_NONBLOCK));
            ADD_FAILURE() << "reading waited for a writer";
        }
        EXPECT_EQ(read.get(), c.error);
    }
}

// A file shorter than one record (left by a full disk or a killed write)
// holds no port number: it is an input/output error, which ends start-up
// with its message, and never a start on port 0. A longer file is read as
// far as its first record.
TEST_F(SettingsFileTest, FileShorterThanOneRecordIsAnIoError) {
    struct Case {
        std::size_t size;
        int error;
    };
    for (const Case& c :
         {Case{0, EIO}, Case{10, EIO}, Case{1543, EIO}, Case{1544, 0}, Case{2000, 0}}) {
        SCOPED_TRACE(c.size);
        std::string bytes(c.size, '\0');
        if (c.size >= 1544) {
            bytes[1540] = '\x04';
        }
        TEnvironmentRec env{};
        EXPECT_EQ(ReadDataFile(Write(bytes), env), c.error);
        if (c.error == 0) {
            EXPECT_EQ(env.ScalePortNumber(), 4);
        }
    }
}

TEST(SettingsFilePath, FollowsXdgConfigHomeWithHomeFallback) {
    const std::string savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string keptConfig = savedConfig ? savedConfig : "";

    ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(zephra::SettingsFilePath(), "/cfg/zephra/zephra.dat");
    ::setenv("XDG_CONFIG_HOME", "", 1);
    ::setenv("HOME", "/home/lab", 1);
    EXPECT_EQ(zephra::SettingsFilePath(), "/home/lab/.config/zephra/zephra.dat");

    ::setenv("HOME", savedHome.c_str(), 1);
    if (savedConfig)
        ::setenv("XDG_CONFIG_HOME", keptConfig.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

} // namespace
