#include "serial/detail/DeviceEnumeration.h"

#include "serial/detail/PortMap.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <utility>

namespace zephra::serial::detail {

namespace fs = std::filesystem;

namespace {

/// How far a tty's device may sit below its USB device: usb-serial port,
/// interface, then the device itself, with room for serial-base levels.
constexpr int kMaxLevels = 8;

/// Orders names the way people count: ttyS2 before ttyS10.
bool NaturalLess(const std::string& a, const std::string& b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (std::isdigit(static_cast<unsigned char>(a[i])) &&
            std::isdigit(static_cast<unsigned char>(b[j]))) {
            std::size_t endA = i;
            std::size_t endB = j;
            while (endA < a.size() && std::isdigit(static_cast<unsigned char>(a[endA]))) {
                ++endA;
            }
            while (endB < b.size() && std::isdigit(static_cast<unsigned char>(b[endB]))) {
                ++endB;
            }
            std::string numberA = a.substr(i, endA - i);
            std::string numberB = b.substr(j, endB - j);
            numberA.erase(0, std::min(numberA.find_first_not_of('0'), numberA.size()));
            numberB.erase(0, std::min(numberB.find_first_not_of('0'), numberB.size()));
            if (numberA.size() != numberB.size()) {
                return numberA.size() < numberB.size();
            }
            if (numberA != numberB) {
                return numberA < numberB;
            }
            i = endA;
            j = endB;
        } else {
            if (a[i] != b[j]) {
                return a[i] < b[j];
            }
            ++i;
            ++j;
        }
    }
    return a.size() - i < b.size() - j;
}

/// The names in `folder`, sorted naturally; none when it cannot be read.
std::vector<std::string> SortedNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    return names;
}

/// The first line of a sysfs attribute without trailing blanks; empty when unreadable.
std::string ReadAttribute(const fs::path& file) {
    std::ifstream in(file);
    std::string line;
    if (!in || !std::getline(in, line)) {
        return {};
    }
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) {
        line.pop_back();
    }
    return line;
}

/// The last element of the target of symbolic link `link`; empty when it is none.
std::string LinkName(const fs::path& link) {
    std::error_code error;
    const fs::path target = fs::read_symlink(link, error);
    return error ? std::string() : target.filename().string();
}

bool IsBelow(const fs::path& dir, const fs::path& root) {
    const auto mismatch = std::mismatch(root.begin(), root.end(), dir.begin(), dir.end());
    return mismatch.first == root.end() && dir != root;
}

/// The name of the link in `folder` that points to a node called `node`.
std::string LinkTo(const fs::path& folder, const std::string& node) {
    for (const std::string& name : SortedNames(folder)) {
        if (LinkName(folder / name) == node) {
            return name;
        }
    }
    return {};
}

/// The bus devices above a tty's device that describe it.
struct Ancestry {
    fs::path usbDevice;    ///< the USB device (has idVendor)
    fs::path usbInterface; ///< the USB interface just below it
    fs::path driverDevice; ///< the nearest device bound to a hardware driver
    fs::path busDevice;    ///< the nearest device that is not a serial-base level
};

Ancestry Walk(const fs::path& device, const fs::path& sysRoot) {
    Ancestry found;
    fs::path below;
    fs::path dir = device;
    for (int level = 0; level < kMaxLevels && IsBelow(dir, sysRoot); ++level) {
        if (fs::exists(dir / "idVendor")) {
            found.usbDevice = dir;
            if (!below.empty() && fs::exists(below / "bInterfaceNumber")) {
                found.usbInterface = below;
            }
            break;
        }
        // Newer kernels put serial-base port and controller levels, driven by
        // "port", between a serial-core tty and its hardware.
        const bool serialBase = LinkName(dir / "subsystem") == "serial-base";
        if (!serialBase && found.busDevice.empty()) {
            found.busDevice = dir;
        }
        if (!serialBase && found.driverDevice.empty() && fs::exists(dir / "driver")) {
            found.driverDevice = dir;
        }
        below = dir;
        dir = dir.parent_path();
    }
    if (found.busDevice.empty()) {
        found.busDevice = device;
    }
    return found;
}

} // namespace

DeviceEnumeration::DeviceEnumeration(std::string sysRoot, std::string devRoot,
                                     std::string portMapFolder)
    : sysRoot_(std::move(sysRoot)), devRoot_(std::move(devRoot)),
      portMapFolder_(std::move(portMapFolder)) {}

DeviceEnumeration::DeviceEnumeration()
    : DeviceEnumeration("/sys", "/dev", detail::PortMapFolder()) {}

namespace {

/// The COMn links of the port map, in number order.
std::vector<std::string> PortMapNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const std::string& name : SortedNames(folder)) {
        // The resolver alone decides what counts as a COMn name.
        if (detail::ResolveDeviceName(name, folder) == folder + "/" + name) {
            names.push_back(name);
        }
    }
    return names;
}

std::optional<TDeviceInfo> Describe(const std::string& name, const fs::path& sysRoot,
                                    const std::string& devRoot) {
    const fs::path tty = sysRoot / "class" / "tty" / name;
    std::error_code error;
    const fs::path device = fs::canonical(tty / "device", error);
    // No device: a virtual tty. UART type 0: a serial-core slot with no hardware.
    if (error || ReadAttribute(tty / "type") == "0") {
        return std::nullopt;
    }
    const fs::path root = fs::canonical(sysRoot, error);
    const Ancestry ancestry = Walk(device, root);

    TDeviceInfo info;
    info.DeviceName = devRoot + "/" + name;
    info.PhysicalName = device.string();
    if (!ancestry.driverDevice.empty()) {
        const fs::path driver = ancestry.driverDevice / "driver";
        info.Driver = LinkName(driver);
        info.Service = LinkName(driver / "module");
        if (!info.Service.empty()) {
            info.DriverVersion = ReadAttribute(root / "module" / info.Service / "version");
        }
    }
    std::string label;
    if (!ancestry.usbDevice.empty()) {
        const fs::path& usb = ancestry.usbDevice;
        info.Manufacturer = ReadAttribute(usb / "manufacturer");
        info.ReportedDescription = ReadAttribute(usb / "product");
        info.Device = ReadAttribute(usb / "idVendor") + ":" + ReadAttribute(usb / "idProduct");
        info.Instance = ReadAttribute(usb / "serial");
        info.EnumeratorName = LinkName(usb / "subsystem");
        if (!ancestry.usbInterface.empty()) {
            info.Location = ancestry.usbInterface.filename().string();
        }
        label = info.ReportedDescription;
        if (label.empty() && !ancestry.usbInterface.empty()) {
            label = ReadAttribute(ancestry.usbInterface / "interface");
        }
    } else {
        info.Device = ancestry.busDevice.filename().string();
        info.EnumeratorName = LinkName(ancestry.busDevice / "subsystem");
        info.Location = LinkTo(fs::path(devRoot) / "serial" / "by-path", name);
    }
    if (info.Instance.empty()) {
        info.Instance = ancestry.busDevice.filename().string();
    }
    info.Description = label.empty() ? name : label;
    info.FriendlyName = label.empty() ? name : label + " (" + name + ")";
    return info;
}

} // namespace

void DeviceEnumeration::EnumDevices(TStrings& List) const {
    for (const std::string& name : PortMapNames(portMapFolder_)) {
        List.push_back(name);
    }
    for (const std::string& name : SortedNames(fs::path(sysRoot_) / "class" / "tty")) {
        List.push_back(devRoot_ + "/" + name);
    }
    const std::string byId = devRoot_ + "/serial/by-id";
    for (const std::string& name : SortedNames(byId)) {
        List.push_back(byId + "/" + name);
    }
}

void DeviceEnumeration::EnumComDevices(TStrings& List) const {
    for (const std::string& name : PortMapNames(portMapFolder_)) {
        List.push_back(name);
    }
    for (const TDeviceInfo& info : DeviceInfos()) {
        List.push_back(info.DeviceName);
    }
}

void DeviceEnumeration::EnumComDevicesFromRegistry(TStrings& List) const {
    for (const TDeviceInfo& info : DeviceInfos()) {
        if (!info.Driver.empty()) {
            List.push_back(info.DeviceName);
        }
    }
}

void DeviceEnumeration::EnumComFriendlyNames(TStrings& List) const {
    for (const TDeviceInfo& info : DeviceInfos()) {
        List.push_back(info.FriendlyName);
    }
}

TDeviceInfos DeviceEnumeration::DeviceInfos() const {
    TDeviceInfos infos;
    for (const std::string& name : SortedNames(fs::path(sysRoot_) / "class" / "tty")) {
        if (std::optional<TDeviceInfo> info = Describe(name, sysRoot_, devRoot_)) {
            infos.push_back(std::move(*info));
        }
    }
    return infos;
}

bool DeviceEnumeration::DeviceInfo(const std::string& DeviceName, TDeviceInfo& DeviceInfo) const {
    DeviceInfo = TDeviceInfo{};
    for (const TDeviceInfo& info : DeviceInfos()) {
        if (info.DeviceName == DeviceName) {
            DeviceInfo = info;
            return true;
        }
    }
    return false;
}

} // namespace zephra::serial::detail
