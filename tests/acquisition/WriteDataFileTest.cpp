#include "acquisition/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;
using zephra::ReadDataFile;
using zephra::TEnvironmentRec;
using zephra::WriteDataFile;

namespace {

class WriteDataFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zephra-write-settings-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(dir);
    }

    static std::string Bytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir;
};

TEST_F(WriteDataFileTest, RewritesTheWholeFileCarryingReservedBytes) {
    fs::create_directories(dir);
    const auto path = (dir / "zephra.dat").string();
    std::string old(1600, 'x'); // longer than one record: the rewrite drops the tail
    for (int i = 0; i < 1540; ++i)
        old[i] = static_cast<char>(i * 7);
    std::ofstream(path, std::ios::binary) << old;

    TEnvironmentRec env{};
    ASSERT_EQ(ReadDataFile(path, env), 0);
    env.SetScalePortNumber(3);
    ASSERT_EQ(WriteDataFile(path, env), 0);

    const std::string written = Bytes(path);
    ASSERT_EQ(written.size(), 1544u);
    EXPECT_EQ(written.substr(0, 1540), old.substr(0, 1540));
    EXPECT_EQ(written.substr(1540), std::string("\x03\x00\x00\x00", 4));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);
}

TEST_F(WriteDataFileTest, CreatesTheFolderOfANewFile) {
    const auto path = (dir / "zephra" / "zephra.dat").string();
    TEnvironmentRec env{};
    env.SetScalePortNumber(-2);
    ASSERT_EQ(WriteDataFile(path, env), 0);
    TEnvironmentRec back{};
    ASSERT_EQ(ReadDataFile(path, back), 0);
    EXPECT_EQ(back.ScalePortNumber(), -2);
}

TEST_F(WriteDataFileTest, FailureReportsErrnoAndKeepsTheOldFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    fs::create_directories(dir);
    const auto path = (dir / "zephra.dat").string();
    std::ofstream(path, std::ios::binary) << std::string(1544, 'a');
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    TEnvironmentRec env{};
    EXPECT_EQ(WriteDataFile(path, env), EACCES);
    EXPECT_EQ(Bytes(path), std::string(1544, 'a'));
}

TEST_F(WriteDataFileTest, AFolderInTheWayIsReported) {
    fs::create_directories(dir / "zephra.dat");
    TEnvironmentRec env{};
    EXPECT_NE(WriteDataFile((dir / "zephra.dat").string(), env), 0);
    EXPECT_TRUE(fs::is_directory(dir / "zephra.dat"));
}

} // namespace
