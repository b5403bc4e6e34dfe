#pragma once

#include "serial/DeviceInfo.h"

#include <string>

namespace zephra::serial::detail {

/// Lists the machine's serial devices from the Linux device model.
///
/// Sources: the ttys of <sysfs>/class/tty, their `device` links walked upwards
/// through sysfs (driver, module, bus, USB attributes), the udev links in
/// <dev>/serial/by-id and <dev>/serial/by-path, and the COMn links of the
/// per-user port map. A serial device is a tty backed by a bus device that is
/// not an empty serial-core slot (UART type 0); virtual consoles, ptmx and
/// pseudo-terminals are not serial devices.
///
/// Nothing is opened: listing never touches a device. What cannot be read is
/// left out, and no call raises. Every listing appends to the caller's list
/// and never clears it. Device paths are sorted naturally (ttyS2 before ttyS10).
class DeviceEnumeration {
public:
    /// Reads the device model below `sysRoot` (normally /sys), names device
    /// nodes below `devRoot` (normally /dev) and takes COMn names from the
    /// links in `portMapFolder`.
    DeviceEnumeration(std::string sysRoot, std::string devRoot, std::string portMapFolder);
    /// The system's roots and the user's port map.
    DeviceEnumeration();

    /// Every device name: the COMn names of the port map, the node of every
    /// tty, then the links of <dev>/serial/by-id.
    void EnumDevices(TStrings& List) const;
    /// The COMn names of the port map, then the nodes of the serial devices.
    void EnumComDevices(TStrings& List) const;
    /// The nodes of the serial devices that a driver serves.
    void EnumComDevicesFromRegistry(TStrings& List) const;
    /// One readable name per serial device: the USB product (or interface)
    /// string followed by the node name in parentheses, or the node name alone.
    void EnumComFriendlyNames(TStrings& List) const;
    /// A description of each serial device, in the order of `EnumComDevices`.
    TDeviceInfos DeviceInfos() const;
    /// The description of the serial device whose `DeviceName` equals
    /// `DeviceName` exactly (case-sensitive). False, with `DeviceInfo`
    /// cleared, when there is none.
    bool DeviceInfo(const std::string& DeviceName, TDeviceInfo& DeviceInfo) const;

private:
    std::string sysRoot_;
    std::string devRoot_;
    std::string portMapFolder_;
};

} // namespace zephra::serial::detail
