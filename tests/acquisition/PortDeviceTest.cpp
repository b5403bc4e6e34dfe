#include "acquisition/PortDevice.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

TEST(PortDeviceTest, FollowsThePortMapAndReportsMissingDevices) {
    const fs::path config =
        fs::temp_directory_path() / ("zephra-port-device-" + std::to_string(getpid()));
    const fs::path ports = config / "zephra" / "ports";
    fs::create_directories(ports);
    std::ofstream(config / "device").put('x');
    fs::create_symlink(config / "device", ports / "COM3");
    fs::create_symlink(config / "gone", ports / "COM4");
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);

    EXPECT_EQ(zephra::ComPortDevice(3), (config / "device").string());
    EXPECT_EQ(zephra::ComPortDevice(4), std::nullopt);
    // without a link: the serial port node, which this machine may or may not have
    EXPECT_EQ(zephra::ComPortDevice(40).has_value(), fs::exists("/dev/ttyS39"));

    // as the collection window names the port
    EXPECT_EQ(zephra::PortDescription("COM3"), "COM3 \u2192 " + (config / "device").string());
    EXPECT_EQ(zephra::PortDescription("COM4"), "COM4 \u2192 not present");
    EXPECT_EQ(zephra::PortDescription("/dev/pts/7"), "/dev/pts/7");
    EXPECT_EQ(zephra::PortDescription("COM"), "COM");

    unsetenv("XDG_CONFIG_HOME");
    fs::remove_all(config);
}

} // namespace
