#include "serial/detail/PortMap.h"

#include <cstdlib>
#include <optional>
#include <sys/stat.h>

namespace zephra::serial::detail {

namespace {

/// n of a name "COMn" with n >= 1 written without leading zeros.
std::optional<unsigned long> ComNumber(const std::string& name) {
    if (name.size() < 4 || name.compare(0, 3, "COM") != 0 || name[3] == '0' || name.size() > 12) {
        return std::nullopt;
    }
    unsigned long number = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (name[i] < '0' || name[i] > '9') {
            return std::nullopt;
        }
        number = number * 10 + static_cast<unsigned long>(name[i] - '0');
    }
    return number;
}

} // namespace

std::string PortMapFolder() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome != nullptr && *configHome != '\0') {
        return std::string(configHome) + "/zephra/ports";
    }
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.config/zephra/ports";
}

std::string ResolveDeviceName(const std::string& deviceName, const std::string& portMapFolder) {
    const std::optional<unsigned long> number = ComNumber(deviceName);
    if (!number) {
        return deviceName;
    }
    const std::string link = portMapFolder + "/" + deviceName;
    struct stat info {};
    // A dangling link still wins: opening it then reports the missing target.
    if (lstat(link.c_str(), &info) == 0) {
        return link;
    }
    return "/dev/ttyS" + std::to_string(*number - 1);
}

} // namespace zephra::serial::detail
