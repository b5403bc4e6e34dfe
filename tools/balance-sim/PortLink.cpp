#include "PortLink.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace zephra::balancesim {

namespace {

std::filesystem::path PortMapFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config)
        return std::filesystem::path(config) / "zephra" / "ports";
    const char* home = std::getenv("HOME");
    if (!home || !*home)
        throw std::runtime_error("neither XDG_CONFIG_HOME nor HOME is set");
    return std::filesystem::path(home) / ".config" / "zephra" / "ports";
}

} // namespace

PortLink::PortLink(const std::string& portName, const std::string& device) : device_(device) {
    const std::filesystem::path folder = PortMapFolder();
    std::filesystem::create_directories(folder);
    path_ = (folder / portName).string();

    struct stat existing {};
    if (lstat(path_.c_str(), &existing) == 0 && !S_ISLNK(existing.st_mode))
        throw std::runtime_error(path_ + " exists and is not a link; not replaced");
    // Make the new link beside the old one and rename it over it, so the name
    // always resolves to one device or the other.
    const std::string temporary = path_ + ".new." + std::to_string(getpid());
    unlink(temporary.c_str());
    if (symlink(device.c_str(), temporary.c_str()) != 0 ||
        rename(temporary.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        throw std::runtime_error("cannot link " + path_ + ": " + std::strerror(error));
    }
}

PortLink::~PortLink() {
    char target[4096];
    const ssize_t n = readlink(path_.c_str(), target, sizeof target - 1);
    if (n > 0 && std::string(target, static_cast<std::size_t>(n)) == device_)
        unlink(path_.c_str());
}

} // namespace zephra::balancesim
