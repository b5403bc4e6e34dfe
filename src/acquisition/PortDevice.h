#pragma once

#include <optional>
#include <string>

namespace zephra {

// The device that the port "COMn" opens now: the target of the port map's
// link COMn when there is one, otherwise /dev/ttyS{n-1}. Nothing when that
// device does not exist (a dangling link, a missing node).
std::optional<std::string> ComPortDevice(int n);

// The port `deviceName` as the user should see it: "COMn → <device>" (or
// "COMn → not present") for a port of the port map, any other name as it is.
std::string PortDescription(const std::string& deviceName);

} // namespace zephra
