#include "document/SaveTemporary.h"

#include "document/FileDescriptor.h"

#include <atomic>
#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zephra {

namespace {

constexpr std::string_view Prefix = ".zephra-save-";

// A save writes a few kilobytes; a temporary file unchanged for this long
// and not locked belongs to a save that has ended without finishing.
constexpr std::time_t StaleAfterSeconds = 10 * 60;

bool AllDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// ".zephra-save-<digits>-<digits>", as CreateSaveTemporary names its files.
bool IsSaveTemporaryName(std::string_view name) {
    if (!name.starts_with(Prefix)) {
        return false;
    }
    name.remove_prefix(Prefix.size());
    const std::size_t dash = name.find('-');
    return dash != std::string_view::npos && AllDigits(name.substr(0, dash)) &&
           AllDigits(name.substr(dash + 1));
}

bool IsStale(int folder, const char* name) {
    const FileDescriptor file(
        ::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (file.get() < 0 || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_uid != ::geteuid() || std::time(nullptr) - st.st_mtime < StaleAfterSeconds) {
        return false;
    }
    // A save writing it holds the lock; ours ends when the file is closed.
    return ::flock(file.get(), LOCK_EX | LOCK_NB) == 0;
}

} // namespace

int CreateSaveTemporary(int folder, std::string& name) {
    static std::atomic<unsigned> counter{0};
    // A short name of its own, so that a long target name cannot make it
    // too long for the file system.
    const std::string stem = std::string(Prefix) + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = stem + std::to_string(counter++);
        const int fd = ::openat(folder, name.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno != EEXIST) {
            return -1;
        }
    }
    errno = EEXIST;
    return -1;
}

void RemoveStaleSaveTemporaries(int folder) {
    const int listed = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listed < 0) {
        return;
    }
    DIR* entries = ::fdopendir(listed);
    if (entries == nullptr) {
        ::close(listed);
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        if (IsSaveTemporaryName(entry->d_name) && IsStale(folder, entry->d_name)) {
            ::unlinkat(folder, entry->d_name, 0);
        }
    }
    ::closedir(entries);
}

} // namespace zephra
