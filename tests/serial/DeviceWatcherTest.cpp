#include "serial/detail/DeviceWatcher.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

namespace zephra::serial {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using detail::DeviceWatcher;
using detail::IsSerialNodeName;
using zephra::test::TempFolder;

TEST(SerialNodeName, AcceptsSerialDevicesOnly) {
    for (const char* name : {"ttyS0", "ttyS10", "ttyUSB0", "ttyACM3", "ttyAMA0", "rfcomm0"}) {
        EXPECT_TRUE(IsSerialNodeName(name)) << name;
    }
    for (const char* name : {"tty", "tty1", "tty63", "ttyS", "ttyUSB", "ttyS0x", "console", "ptmx",
                             "null", "rfcomm", "xttyS0"}) {
        EXPECT_FALSE(IsSerialNodeName(name)) << name;
    }
}

/// Collects the watcher's reports for the test thread.
class Reports {
public:
    void Add(bool arrived, const std::string& path) {
        std::lock_guard lock(mutex_);
        reports_.emplace_back(arrived ? "+" : "-", path);
        changed_.notify_all();
    }
    /// The reports once there are `count`, or what came within two seconds.
    std::vector<std::pair<std::string, std::string>> Wait(std::size_t count) {
        std::unique_lock lock(mutex_);
        changed_.wait_for(lock, 2s, [&] { return reports_.size() >= count; });
        return reports_;
    }

    std::size_t Count() {
        std::lock_guard lock(mutex_);
        return reports_.size();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::pair<std::string, std::string>> reports_;
};

TEST(DeviceWatcher, ReportsSerialNodesThatAppearAndDisappear) {
    TempFolder dev;
    Reports reports;
    int error = -1;
    {
        DeviceWatcher watcher(
            dev.path().string(),
            [&](bool arrived, const std::string& path) { reports.Add(arrived, path); }, error);
        ASSERT_EQ(error, 0);
        std::ofstream(dev.path() / "tty5").put('x');
        std::ofstream(dev.path() / "ttyUSB0").put('x');
        std::ofstream(dev.path() / "notes").put('x');
        fs::rename(dev.path() / "ttyUSB0", dev.path() / "ttyUSB1");
        fs::remove(dev.path() / "ttyUSB1");
        const std::string base = dev.path().string() + "/";
        EXPECT_EQ(reports.Wait(4),
                  (std::vector<std::pair<std::string, std::string>>{{"+", base + "ttyUSB0"},
                                                                    {"-", base + "ttyUSB0"},
                                                                    {"+", base + "ttyUSB1"},
                                                                    {"-", base + "ttyUSB1"}}));
    }
    // Nothing is reported once the watcher is gone.
    std::ofstream(dev.path() / "ttyACM0").put('x');
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(reports.Count(), 4u);
}

TEST(DeviceWatcher, AMissingFolderGivesItsError) {
    TempFolder temp;
    int error = 0;
    DeviceWatcher watcher((temp.path() / "none").string(), [](bool, const std::string&) {}, error);
    EXPECT_EQ(error, ENOENT);
}

TEST(DeviceWatcher, CanBeDestroyedFromItsOwnReport) {
    TempFolder dev;
    std::mutex mutex;
    std::condition_variable done;
    bool destroyed = false;
    int error = -1;
    std::unique_ptr<DeviceWatcher> watcher;
    {
        std::lock_guard lock(mutex);
        watcher = std::make_unique<DeviceWatcher>(
            dev.path().string(),
            [&](bool, const std::string&) {
                std::lock_guard lock(mutex);
                watcher.reset();
                destroyed = true;
                done.notify_all();
            },
            error);
    }
    ASSERT_EQ(error, 0);
    std::ofstream(dev.path() / "ttyS4").put('x');
    std::unique_lock lock(mutex);
    EXPECT_TRUE(done.wait_for(lock, 2s, [&] { return destroyed; }));
}

} // namespace
} // namespace zephra::serial
