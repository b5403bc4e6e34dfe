#include "acquisition/PortDevice.h"

#include "acquisition/ComPortBalance.h"
#include "serial/ComPort.h"

#include <filesystem>
#include <regex>
#include <system_error>

namespace zephra {

std::optional<std::string> ComPortDevice(int n) {
    namespace fs = std::filesystem;
    const fs::path resolved = serial::ResolvedDevicePath(BalanceDeviceName(n));
    std::error_code error;
    fs::path device = resolved;
    if (fs::is_symlink(resolved, error)) {
        device = fs::read_symlink(resolved, error);
        if (device.is_relative())
            device = resolved.parent_path() / device;
    }
    if (error || !fs::exists(device, error))
        return std::nullopt;
    return device.string();
}

std::string PortDescription(const std::string& deviceName) {
    std::smatch number;
    static const std::regex comPort("COM([1-9][0-9]{0,5})");
    if (!std::regex_match(deviceName, number, comPort))
        return deviceName;
    const std::optional<std::string> device = ComPortDevice(std::stoi(number[1].str()));
    return deviceName + " \u2192 " + device.value_or("not present");
}

} // namespace zephra
