#include "acquisition/SettingsFile.h"

#include "document/AtomicFile.h"
#include "document/FileDescriptor.h"
#include "document/ProgramConf.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace zephra {

std::string SettingsFilePath() {
    return ProgramSettingsFolder() + "zephra.dat";
}

int ReadDataFile(const std::string& path, TEnvironmentRec& env) {
    // Non-blocking, so that a named pipe at the path cannot hold start-up.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        return errno;
    struct stat st {};
    if (::fstat(file.get(), &st) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    std::memset(&env, 0, sizeof env);
    auto* bytes = reinterpret_cast<unsigned char*>(&env);
    std::size_t done = 0;
    while (done < sizeof env) {
        const ssize_t n = ::read(file.get(), bytes + done, sizeof env - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO; // no whole record: there is no port number to read
        done += static_cast<std::size_t>(n);
    }
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
