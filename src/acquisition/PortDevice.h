#pragma once

#include <optional>
#include <string>

namespace zephra {

// The device that the port "COMn" opens now: the target of the port map's
// link COMn when there is one, otherwise /dev/ttyS{n-1}. Nothing when that
// device does not exist (a dangling link, a missing node).
std::optional<std::string> ComPortDevice(int n);

} // namespace zephra
