#include "serial/detail/PortMap.h"
#include "serial/ComPort.h"

#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace zephra::serial::detail {
namespace {

using zephra::test::TempFolder;

TEST(PortMap, ComNamesWithoutLinkAreTheStandardSerialPorts) {
    TempFolder folder;
    const std::string ports = folder.path().string();
    EXPECT_EQ(ResolveDeviceName("COM1", ports), "/dev/ttyS0");
    EXPECT_EQ(ResolveDeviceName("COM12", ports), "/dev/ttyS11");
}

TEST(PortMap, ALinkInThePortMapWins) {
    TempFolder folder;
    std::filesystem::create_symlink("/dev/ttyUSB0", folder.path() / "COM3");
    EXPECT_EQ(ResolveDeviceName("COM3", folder.path().string()), (folder.path() / "COM3").string());
    EXPECT_EQ(ResolveDeviceName("COM4", folder.path().string()), "/dev/ttyS3");
}

TEST(PortMap, OtherNamesAreUsedUnchanged) {
    TempFolder folder;
    for (const char* name :
         {"/dev/ttyUSB0", "/dev/pts/3", "COM0", "COM01", "com3", "COM", "COM3x", "ttyS0"}) {
        EXPECT_EQ(ResolveDeviceName(name, folder.path().string()), name);
    }
}

/// Restores an environment variable when the test ends.
class SavedVariable {
public:
    explicit SavedVariable(const char* name) : name_(name) {
        const char* value = std::getenv(name);
        if (value != nullptr) {
            value_ = value;
        }
    }
    ~SavedVariable() {
        if (value_) {
            setenv(name_, value_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> value_;
};

TEST(PortMap, FolderFollowsXdgConfigHomeElseHome) {
    SavedVariable xdg("XDG_CONFIG_HOME");
    SavedVariable home("HOME");
    setenv("XDG_CONFIG_HOME", "/tmp/config", 1);
    EXPECT_EQ(PortMapFolder(), "/tmp/config/zephra/ports");
    setenv("XDG_CONFIG_HOME", "", 1);
    setenv("HOME", "/home/lab", 1);
    EXPECT_EQ(PortMapFolder(), "/home/lab/.config/zephra/ports");
}

TEST(PortMap, ResolvedDevicePathLooksInTheUsersPortMap) {
    SavedVariable xdg("XDG_CONFIG_HOME");
    TempFolder config;
    setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
    const std::filesystem::path ports = config.path() / "zephra" / "ports";
    std::filesystem::create_directories(ports);
    std::filesystem::create_symlink("/dev/ttyUSB0", ports / "COM3");
    EXPECT_EQ(ResolvedDevicePath("COM3"), (ports / "COM3").string());
    EXPECT_EQ(ResolvedDevicePath("COM4"), "/dev/ttyS3");
    EXPECT_EQ(ResolvedDevicePath("/dev/ttyACM0"), "/dev/ttyACM0");
}

} // namespace
} // namespace zephra::serial::detail
