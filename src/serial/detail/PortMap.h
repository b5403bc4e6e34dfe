#pragma once

#include <string>

namespace zephra::serial::detail {

/// The folder of the per-user port map: $XDG_CONFIG_HOME/zephra/ports, or
/// ~/.config/zephra/ports when XDG_CONFIG_HOME is unset or empty.
std::string PortMapFolder();

/// The device path that `deviceName` opens. "COMn" (n >= 1) is the link
/// `portMapFolder`/COMn when that link exists, otherwise /dev/ttyS{n-1};
/// every other name (a path starting with "/" in particular) is used unchanged.
std::string ResolveDeviceName(const std::string& deviceName, const std::string& portMapFolder);

} // namespace zephra::serial::detail
