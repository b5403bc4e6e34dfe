#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using zephra::test::TempFolder;

const std::string DesktopDir = ZEPHRA_DESKTOP_DIR;

struct CommandResult {
    int status;
    std::string output; // standard output and standard error together
};

// Runs `command` through the shell.
CommandResult RunShell(const std::string& command) {
    CommandResult result{-1, {}};
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    std::array<char, 4096> buffer{};
    std::size_t n = 0;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        result.output.append(buffer.data(), n);
    }
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

bool HasTool(const std::string& name) {
    return RunShell("command -v " + name).status == 0;
}

std::string Quoted(const fs::path& path) {
    std::string quoted(1, '\'');
    quoted += path.string();
    quoted += '\'';
    return quoted;
}

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Width and height from a PNG file's header chunk.
std::pair<int, int> PngSize(const fs::path& path) {
    const std::string bytes = FileBytes(path);
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) {
        return {0, 0};
    }
    const auto be32 = [&](std::size_t at) {
        int value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value = value * 256 + static_cast<unsigned char>(bytes[at + i]);
        }
        return value;
    };
    return {be32(16), be32(20)};
}

// What a desktop needs to find the program, its file type and its icon,
// relative to the installation prefix.
const char* const InstalledFiles[] = {
    "bin/zephra",
    "bin/zephra-cli",
    "bin/zephra-balance-sim",
    "bin/zephra-launcher",
    "share/applications/zephra.desktop",
    "share/mime/packages/zephra.xml",
    "share/icons/hicolor/scalable/apps/zephra.svg",
    "share/icons/hicolor/48x48/apps/zephra.png",
    "share/icons/hicolor/256x256/apps/zephra.png",
};

TEST(DesktopIntegrationTest, DesktopEntryIsValidAndOpensWineFiles) {
    const CommandResult check =
        RunShell("desktop-file-validate " + Quoted(DesktopDir + "/zephra.desktop"));
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_EQ(check.output, "") << "no warnings or hints either";
    const std::string entry = FileBytes(DesktopDir + "/zephra.desktop");
    EXPECT_NE(entry.find("\nMimeType=application/x-zephra-wine;\n"), std::string::npos);
    EXPECT_NE(entry.find("\nExec=zephra-launcher %F\n"), std::string::npos)
        << "the entry runs the launcher, which provides the settings file";
}

TEST(DesktopIntegrationTest, MimePackageIsWellFormedAndNamesZphFilesByExtension) {
    const fs::path package = DesktopDir + "/zephra-mime.xml";
    const CommandResult lint = RunShell("xmllint --noout " + Quoted(package));
    EXPECT_EQ(lint.status, 0) << lint.output;

    // The desktop's own MIME tool compiles it into a glob rule.
    TempFolder folder;
    fs::create_directories(folder.path() / "packages");
    fs::copy_file(package, folder.path() / "packages" / "zephra.xml");
    const CommandResult update = RunShell("update-mime-database " + Quoted(folder.path()));
    ASSERT_EQ(update.status, 0) << update.output;
    const std::string globs = FileBytes(folder.path() / "globs2");
    EXPECT_NE(globs.find(":application/x-zephra-wine:*.zph"), std::string::npos) << globs;
    const std::string magic = FileBytes(folder.path() / "magic");
    EXPECT_EQ(magic.find("application/x-zephra-wine"), std::string::npos)
        << "a wine file has no magic rule";
}

TEST(DesktopIntegrationTest, InstallPutsEverythingUnderThePrefix) {
    TempFolder prefix;
    const CommandResult install =
        RunShell(std::string(ZEPHRA_CMAKE) + " --install " + Quoted(ZEPHRA_BUILD_DIR) +
                 " --prefix " + Quoted(prefix.path()));
    ASSERT_EQ(install.status, 0) << install.output;
    for (const char* file : InstalledFiles) {
        EXPECT_TRUE(fs::is_regular_file(prefix.path() / file)) << file;
    }
    for (const char* program : {"bin/zephra", "bin/zephra-cli", "bin/zephra-launcher"}) {
        const auto perms = fs::status(prefix.path() / program).permissions();
        EXPECT_NE(perms & fs::perms::others_exec, fs::perms::none) << program;
    }
    EXPECT_EQ(PngSize(prefix.path() / "share/icons/hicolor/48x48/apps/zephra.png"),
              std::make_pair(48, 48));
    EXPECT_EQ(PngSize(prefix.path() / "share/icons/hicolor/256x256/apps/zephra.png"),
              std::make_pair(256, 256));

    // The installed command-line tool runs from its place.
    const CommandResult report =
        RunShell(Quoted(prefix.path() / "bin/zephra-cli") + " report " +
                 Quoted(prefix.path() / "share/doc/zephra/examples/chardonnay.zph"));
    EXPECT_EQ(report.status, 0) << report.output;
    EXPECT_NE(report.output.find("Chardonnay 2024"), std::string::npos);
}

TEST(DesktopIntegrationTest, LauncherCreatesTheMissingSettingsFileOnly) {
    TempFolder home;
    const fs::path settings = home.path() / "config/zephra/zephra.dat";
    // The program itself would open a window: echo shows what it was given.
    const std::string launch = "XDG_CONFIG_HOME=" + Quoted(home.path() / "config") +
                               " ZEPHRA_PROGRAM=echo " + Quoted(DesktopDir + "/zephra-launcher") +
                               " 'a b.zph' c.zph";
    const CommandResult first = RunShell(launch);
    EXPECT_EQ(first.status, 0) << first.output;
    EXPECT_NE(first.output.find("a b.zph c.zph\n"), std::string::npos) << first.output;
    const std::string bytes = FileBytes(settings);
    ASSERT_EQ(bytes.size(), 1544u);
    EXPECT_EQ(bytes.substr(0, 1540), std::string(1540, '\0'));
    EXPECT_EQ(bytes.substr(1540), std::string("\x01\0\0\0", 4)) << "the balance on COM1";

    // A user's own settings are left alone.
    std::string own = bytes;
    own[1540] = '\x03';
    std::ofstream(settings, std::ios::binary) << own;
    const CommandResult second = RunShell(launch);
    EXPECT_EQ(second.status, 0) << second.output;
    EXPECT_EQ(second.output, "a b.zph c.zph\n") << "no notice when nothing was created";
    EXPECT_EQ(FileBytes(settings), own);
}

// The launcher writes the settings file whole or not at all: a write that
// fails halfway (here on a file size limit) leaves no short file behind,
// on which the program would not start, and no temporary file either.
TEST(DesktopIntegrationTest, LauncherWritesTheSettingsFileWholeOrNotAtAll) {
    TempFolder home;
    const fs::path folder = home.path() / "config/zephra";
    const std::string launch = "XDG_CONFIG_HOME=" + Quoted(home.path() / "config") +
                               " ZEPHRA_PROGRAM=true " + Quoted(DesktopDir + "/zephra-launcher");
    const CommandResult limited = RunShell("trap '' XFSZ; ulimit -f 1; " + launch);
    EXPECT_NE(limited.status, 0) << limited.output;
    EXPECT_FALSE(fs::exists(folder / "zephra.dat")) << FileBytes(folder / "zephra.dat").size();
    EXPECT_TRUE(fs::is_empty(folder)) << "no temporary file is left";

    const CommandResult normal = RunShell(launch);
    EXPECT_EQ(normal.status, 0) << normal.output;
    EXPECT_EQ(FileBytes(folder / "zephra.dat").size(), 1544u);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST(DesktopIntegrationTest, DebianPackageHoldsTheFilesAndItsDependencies) {
    if (!HasTool("dpkg-deb") || !HasTool("dpkg-shlibdeps")) {
        GTEST_SKIP() << "dpkg-deb or dpkg-shlibdeps is not installed";
    }
    TempFolder out;
    const CommandResult pack =
        RunShell("cd " + Quoted(out.path()) + " && " + ZEPHRA_CPACK + " -G DEB --config " +
                 Quoted(fs::path(ZEPHRA_BUILD_DIR) / "CPackConfig.cmake"));
    ASSERT_EQ(pack.status, 0) << pack.output;
    fs::path deb;
    for (const auto& entry : fs::directory_iterator(out.path())) {
        if (entry.path().extension() == ".deb") {
            deb = entry.path();
        }
    }
    ASSERT_FALSE(deb.empty()) << pack.output;

    const CommandResult info = RunShell("dpkg-deb -I " + Quoted(deb));
    ASSERT_EQ(info.status, 0) << info.output;
    EXPECT_NE(info.output.find(" Package: zephra\n"), std::string::npos) << info.output;
    const std::size_t depends = info.output.find(" Depends: ");
    ASSERT_NE(depends, std::string::npos) << info.output;
    const std::string line = info.output.substr(depends, info.output.find('\n', depends) - depends);
    for (const char* package : {"libqt6widgets6", "libqt6svg6", "libc6", "libstdc++6",
                                "shared-mime-info", "desktop-file-utils", "hicolor-icon-theme"}) {
        EXPECT_NE(line.find(package), std::string::npos) << package << " in" << line;
    }

    const CommandResult contents = RunShell("dpkg-deb -c " + Quoted(deb));
    ASSERT_EQ(contents.status, 0) << contents.output;
    for (const char* file : InstalledFiles) {
        EXPECT_NE(contents.output.find(" ./usr/" + std::string(file) + "\n"), std::string::npos)
            << file;
    }
}

} // namespace
