#include "acquisition/SettingsFile.h"

#include "document/AtomicFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
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

int WriteDataFile(const std::string& path, const TEnvironmentRec& env) {
    const std::filesystem::path target(path);
    std::error_code folderError;
    std::filesystem::create_directories(target.parent_path(), folderError);
    if (folderError)
        return folderError.value();

    return WriteFileAtomically(path, &env, sizeof env);
}

} // namespace zephra
