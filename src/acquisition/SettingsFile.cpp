#include "acquisition/SettingsFile.h"

#include "document/AtomicFile.h"
#include "document/ProgramConf.h"
#include "document/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace zephra {

std::string SettingsFilePath() {
    return ProgramSettingsFolder() + "zephra.dat";
}

int ReadDataFile(const std::string& path, TEnvironmentRec& env) {
    int error = 0;
    const FileDescriptor file = OpenRegularFile(path, error);
    if (error != 0)
        return error;
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
