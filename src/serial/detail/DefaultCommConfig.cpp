#include "serial/detail/DefaultCommConfig.h"

#include "serial/detail/PortMap.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <system_error>

namespace zephra::serial::detail {

namespace fs = std::filesystem;

namespace {

/// The fields a configuration keeps, by name.
struct Field {
    const char* name;
    std::uint32_t (*get)(const DeviceState&);
    void (*set)(DeviceState&, std::uint32_t);
    std::uint32_t max;
};

constexpr Field kFields[] = {
    {"BaudRate", [](const DeviceState& s) { return s.BaudRate; },
     [](DeviceState& s, std::uint32_t v) { s.BaudRate = v; }, 0xFFFFFFFF},
    {"ByteSize", [](const DeviceState& s) -> std::uint32_t { return s.ByteSize; },
     [](DeviceState& s, std::uint32_t v) { s.ByteSize = static_cast<std::uint8_t>(v); }, 16},
    {"Parity", [](const DeviceState& s) -> std::uint32_t { return s.Parity; },
     [](DeviceState& s, std::uint32_t v) { s.Parity = static_cast<std::uint8_t>(v); }, 4},
    {"StopBits", [](const DeviceState& s) -> std::uint32_t { return s.StopBits; },
     [](DeviceState& s, std::uint32_t v) { s.StopBits = static_cast<std::uint8_t>(v); }, 2},
    {"DtrControl", [](const DeviceState& s) -> std::uint32_t { return s.DtrControl; },
     [](DeviceState& s, std::uint32_t v) { s.DtrControl = static_cast<std::uint8_t>(v); }, 2},
    {"RtsControl", [](const DeviceState& s) -> std::uint32_t { return s.RtsControl; },
     [](DeviceState& s, std::uint32_t v) { s.RtsControl = static_cast<std::uint8_t>(v); }, 3},
    {"InX", [](const DeviceState& s) -> std::uint32_t { return s.InX; },
     [](DeviceState& s, std::uint32_t v) { s.InX = v != 0; }, 1},
    {"OutX", [](const DeviceState& s) -> std::uint32_t { return s.OutX; },
     [](DeviceState& s, std::uint32_t v) { s.OutX = v != 0; }, 1},
    {"OutxCtsFlow", [](const DeviceState& s) -> std::uint32_t { return s.OutxCtsFlow; },
     [](DeviceState& s, std::uint32_t v) { s.OutxCtsFlow = v != 0; }, 1},
};

/// The port name as a file name: characters other than letters, digits,
/// '.', '-' and '_' become %XX.
std::string FileNameOf(const std::string& portName) {
    std::string name;
    for (const char c : portName) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
            (byte >= '0' && byte <= '9') || c == '.' || c == '-' || c == '_') {
            name += c;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            name += escaped;
        }
    }
    return name + ".conf";
}

DeviceState InitialConfig() {
    DeviceState state;
    state.BaudRate = 9600;
    state.ByteSize = 8;
    return state;
}

} // namespace

std::string DefaultConfigFolder() {
    return (fs::path(PortMapFolder()).parent_path() / "port-defaults").string();
}

int ReadDefaultCommConfig(const std::string& portName, const std::string& configFolder,
                          const std::string& portMapFolder, DeviceState& state) {
    struct stat info {};
    if (stat(ResolveDeviceName(portName, portMapFolder).c_str(), &info) != 0) {
        return errno;
    }
    if (!S_ISCHR(info.st_mode)) {
        return ENOTTY;
    }
    state = InitialConfig();
    std::ifstream in(fs::path(configFolder) / FileNameOf(portName));
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, equals);
        for (const Field& field : kFields) {
            std::uint32_t value = 0;
            const char* first = line.data() + equals + 1;
            const char* last = line.data() + line.size();
            const auto [end, error] = std::from_chars(first, last, value);
            if (key == field.name && error == std::errc() && end == last && value <= field.max) {
                field.set(state, value);
            }
        }
    }
    return 0;
}

int WriteDefaultCommConfig(const std::string& portName, const std::string& configFolder,
                           const DeviceState& state) {
    std::error_code error;
    fs::create_directories(configFolder, error);
    if (error) {
        return error.value();
    }
    const fs::path file = fs::path(configFolder) / FileNameOf(portName);
    const fs::path temporary = file.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        for (const Field& field : kFields) {
            out << field.name << '=' << field.get(state) << '\n';
        }
        out.flush();
        if (!out) {
            fs::remove(temporary, error);
            return EIO;
        }
    }
    fs::rename(temporary, file, error);
    return error ? error.value() : 0;
}

} // namespace zephra::serial::detail
