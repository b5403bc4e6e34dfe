#include "serial/detail/DefaultCommConfig.h"

#include "serial/detail/PortMap.h"

#include <ini.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

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

/// Takes one "name=value" line of a stored configuration; names it does not
/// know and values out of range are left out.
int ReadEntry(void* user, const char* /*section*/, const char* name, const char* value) {
    auto& state = *static_cast<DeviceState*>(user);
    const std::string_view text(value);
    for (const Field& field : kFields) {
        std::uint32_t number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (std::strcmp(name, field.name) == 0 && error == std::errc() &&
            end == text.data() + text.size() && number <= field.max) {
            field.set(state, number);
        }
    }
    return 1;
}

/// Writes all of `text` to `fd`.
int WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

/// Replaces the file at `path` with `text` in one step: a temporary file of
/// a name no other file has, in the same folder, is written, flushed and
/// renamed over it, then the folder is flushed. The old file stays on any
/// failure.
int ReplaceFile(const std::string& path, const std::string& text) {
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    int error = WriteAll(fd, text);
    if (error == 0 && ::fsync(fd) != 0) {
        error = errno;
    }
    if (::close(fd) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    const int folder =
        ::open(fs::path(path).parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return 0;
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
    // A port without a stored configuration keeps the initial one.
    ini_parse((fs::path(configFolder) / FileNameOf(portName)).c_str(), &ReadEntry, &state);
    return 0;
}

int WriteDefaultCommConfig(const std::string& portName, const std::string& configFolder,
                           const DeviceState& state) {
    std::error_code error;
    fs::create_directories(configFolder, error);
    if (error) {
        return error.value();
    }
    std::string text;
    for (const Field& field : kFields) {
        text += std::string(field.name) + '=' + std::to_string(field.get(state)) + '\n';
    }
    return ReplaceFile((fs::path(configFolder) / FileNameOf(portName)).string(), text);
}

} // namespace zephra::serial::detail
