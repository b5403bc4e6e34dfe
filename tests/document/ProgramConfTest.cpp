// The program's settings file: what it says about itself, and writes that
// never lose what they do not set.

#include "document/ProgramConf.h"

#include "support/RunAsNobody.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace zephra {
namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(ProgramConfTest, EachLineThatCannotBeReadIsToldWithWhatFollows) {
    const test::TempFolder folder;
    const std::string path = folder.file("zephra.conf");
    std::ofstream(path) << "stray\n[bands]\ngood = 40\ngood 45\n[Units]\nSystem = metric\n";
    const ProgramConf conf = ProgramConf::Read(path);
    EXPECT_EQ(conf.Error(), 0);
    EXPECT_EQ(conf.Problems(),
              (std::vector<std::string>{
                  path + ", line 1, is not a section, a \"key = value\" line or a comment; it "
                         "is ignored.",
                  path + ", line 4, is not a \"key = value\" line or a comment; every setting "
                         "of [bands] is taken at its default."}));
    EXPECT_EQ(conf.ProblemsIn("BANDS").size(), 1u);
    EXPECT_TRUE(conf.SectionUnreadable("bands"));
    EXPECT_FALSE(conf.Value("bands", "good"));
    EXPECT_EQ(conf.Value("units", "system"), "metric");
}

TEST(ProgramConfTest, AMissingFileIsNoProblemAFolderIs) {
    const test::TempFolder folder;
    EXPECT_TRUE(ProgramConf::Read(folder.file("zephra.conf")).Problems().empty());
    const ProgramConf conf = ProgramConf::Read(folder.path().string());
    EXPECT_EQ(conf.Error(), EISDIR);
    ASSERT_EQ(conf.Problems().size(), 1u);
    EXPECT_NE(conf.Problems()[0].find("could not be read (Is a directory)"), std::string::npos);
}

// A file that is there but cannot be read is never written over: a file too
// long to be settings, whoever reads it.
TEST(ProgramConfTest, AFileTooLongToBeReadIsLeftAsItIs) {
    const test::TempFolder folder;
    const std::string path = folder.file("zephra.conf");
    const std::string text = "[bands]\ngood = 40\n; " + std::string(1 << 20, 'x') + "\n";
    std::ofstream(path) << text;
    const ProgramConfWrite write = WriteProgramConf(path, "Units", {{"System", "metric"}});
    EXPECT_EQ(write.Error, EFBIG);
    EXPECT_TRUE(write.NotRead);
    EXPECT_TRUE(ReadText(path) == text);
}

// The same for a file of mode 0200 in a folder its user may write: root
// reads any file, so the write is made as an unprivileged user.
TEST(ProgramConfTest, AFileItsUserMayNotReadIsLeftAsItIs) {
    if (!test::CanRunAsNobody()) {
        GTEST_SKIP() << "needs root to set up files of another user";
    }
    const test::TempFolder folder;
    ASSERT_EQ(::chown(folder.path().c_str(), test::NobodyUid, test::NobodyGid), 0);
    const std::string path = folder.file("zephra.conf");
    std::ofstream(path) << "[bands]\ngood = 40\n";
    ASSERT_EQ(::chown(path.c_str(), test::NobodyUid, test::NobodyGid), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0200), 0);
    const int outcome = test::RunAsUser(test::NobodyUid, test::NobodyGid, [&] {
        const ProgramConfWrite write = WriteProgramConf(path, "Units", {{"System", "metric"}});
        return write.Error == EACCES && write.NotRead ? 0 : 1;
    });
    EXPECT_EQ(outcome, 0);
    EXPECT_EQ(ReadText(path), "[bands]\ngood = 40\n");
}

TEST(ProgramConfTest, TheFileLivesInTheProgramsSettingsFolder) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string kept = old != nullptr ? old : "";
    ::setenv("XDG_CONFIG_HOME", "/lab/config", 1);
    EXPECT_EQ(ProgramConfPath(), "/lab/config/zephra/zephra.conf");
    if (old != nullptr) {
        ::setenv("XDG_CONFIG_HOME", kept.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
}

} // namespace
} // namespace zephra
