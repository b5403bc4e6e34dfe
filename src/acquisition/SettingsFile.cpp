#include "acquisition/SettingsFile.h"

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

    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return errno;
    const auto* bytes = reinterpret_cast<const unsigned char*>(&env);
    std::size_t done = 0;
    int error = 0;
    while (done < sizeof env && error == 0) {
        const ssize_t n = ::write(fd, bytes + done, sizeof env - done);
        if (n < 0 && errno != EINTR)
            error = errno;
        else if (n > 0)
            done += static_cast<std::size_t>(n);
    }
    if (error == 0 && ::fchmod(fd, 0644) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.c_str());
    return error;
}

} // namespace zephra
