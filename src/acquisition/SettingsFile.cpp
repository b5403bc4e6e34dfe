#include "acquisition/SettingsFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace zephra {

std::string SettingsFilePath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config != nullptr && config[0] != '\0') {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::string(home != nullptr ? home : "") + "/.config";
    }
    return folder + "/zephra/zephra.dat";
}

int ReadDataFile(const std::string& path, TEnvironmentRec& env) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    std::memset(&env, 0, sizeof env);
    auto* bytes = reinterpret_cast<unsigned char*>(&env);
    std::size_t done = 0;
    while (done < sizeof env) {
        const ssize_t n = ::read(fd, bytes + done, sizeof env - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return 0;
}

} // namespace zephra
