#pragma once

#include <string>
#include <vector>

namespace zephra::serial {

/// A list of names that the enumerations append to.
using TStrings = std::vector<std::string>;

/// What the system knows about one serial device. A field that Linux cannot
/// supply stays empty.
struct TDeviceInfo {
    /// The USB product string, else the USB interface string, else the node name.
    std::string Description;
    /// USB vendor and product ids as "vvvv:pppp", else the bus device name.
    std::string Device;
    /// The device path that `DeviceName` of the port takes, such as /dev/ttyUSB0.
    std::string DeviceName;
    /// Name of the kernel driver.
    std::string Driver;
    /// Always empty: Linux keeps no driver provider.
    std::string DriverProvider;
    /// The version of the driver's module, where the module declares one.
    std::string DriverVersion;
    /// The bus: usb, pnp, platform, pci, ...
    std::string EnumeratorName;
    /// As listed by `EnumComFriendlyNames`.
    std::string FriendlyName;
    /// The USB serial number, else the bus device name.
    std::string Instance;
    /// The USB interface (port path and interface, such as 1-1.4:1.0), else
    /// the name of the device's link in /dev/serial/by-path.
    std::string Location;
    /// The USB manufacturer string.
    std::string Manufacturer;
    /// The device's canonical path in sysfs.
    std::string PhysicalName;
    /// The USB product string.
    std::string ReportedDescription;
    /// Name of the kernel module of the driver.
    std::string Service;

    friend bool operator==(const TDeviceInfo&, const TDeviceInfo&) = default;
};

using TDeviceInfos = std::vector<TDeviceInfo>;

} // namespace zephra::serial
