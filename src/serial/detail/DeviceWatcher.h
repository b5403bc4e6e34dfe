#pragma once

#include <functional>
#include <memory>
#include <string>

namespace zephra::serial::detail {

/// Whether a device node name is one a serial device gets: "tty", letters,
/// digits (ttyS0, ttyUSB0, ttyACM0, ttyAMA0, ...) or rfcomm and digits.
/// Virtual consoles (tty1) and other nodes are not.
bool IsSerialNodeName(const std::string& name);

/// Watches a folder of device nodes (normally /dev) with inotify and reports
/// serial device nodes that appear or disappear, by path.
///
/// Nodes are seen when udev creates them (ready to open) and removes them;
/// a node made by hand counts as well. Pseudo-terminals live in /dev/pts and
/// are not seen. Reports come on the watcher's own thread.
class DeviceWatcher {
public:
    /// Arrival (True) or removal (False) of the node at `path`.
    using Callback = std::function<void(bool arrived, const std::string& path)>;

    /// Starts watching `folder`. `error` receives 0, or the errno that
    /// prevented watching (then nothing is reported).
    DeviceWatcher(const std::string& folder, Callback callback, int& error);
    /// Stops watching; waits for a report in progress unless called from it.
    ~DeviceWatcher();
    DeviceWatcher(const DeviceWatcher&) = delete;
    DeviceWatcher& operator=(const DeviceWatcher&) = delete;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

} // namespace zephra::serial::detail
