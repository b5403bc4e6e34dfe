#include "document/AtomicFile.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zephra {

namespace {

int WriteFully(int fd, const unsigned char* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, buffer + done, size - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A symbolic link is followed so that the file it names is replaced and the
// link itself stays in place.
std::string ResolveTarget(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        return path;
    }
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr) {
        return path;
    }
    return resolved;
}

// Creates a new, empty file beside `target` with the permissions a newly
// created file gets (the process umask applies).
int CreateTemporary(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    // A short name of its own, so that a long target name cannot make it
    // too long for the file system.
    const std::string stem = FolderOf(target) + "/.zephra-save-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = stem + std::to_string(counter++);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

int WriteTemporary(int fd, const void* data, std::size_t size, const struct stat* existing) {
    if (existing != nullptr) {
        // Only a privileged process can keep the owner; failing to is not an
        // error. The mode is always kept.
        [[maybe_unused]] const int ownerKept = ::fchown(fd, existing->st_uid, existing->st_gid);
        if (::fchmod(fd, existing->st_mode & 07777) != 0) {
            return errno;
        }
    }
    if (const int error = WriteFully(fd, static_cast<const unsigned char*>(data), size);
        error != 0) {
        return error;
    }
    if (::fsync(fd) != 0) {
        return errno;
    }
    return 0;
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

FileDescriptor::FileDescriptor(int fd) : fd_(fd) {}

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

int FileDescriptor::close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0 ? 0 : errno;
}

int WriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
    const std::string target = ResolveTarget(path);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        // Only a regular file is replaced; never a folder, a device or a pipe.
        if (!S_ISREG(existing.st_mode)) {
            return S_ISDIR(existing.st_mode) ? EISDIR : EINVAL;
        }
        // A file its owner made read-only is not replaced behind their back.
        if (::access(target.c_str(), W_OK) != 0) {
            return errno;
        }
    }

    std::string tempPath;
    FileDescriptor temp(CreateTemporary(target, tempPath));
    if (temp.get() < 0) {
        return errno;
    }
    int error = WriteTemporary(temp.get(), data, size, exists ? &existing : nullptr);
    if (const int closeError = temp.close(); error == 0) {
        error = closeError;
    }
    if (error == 0 && ::rename(tempPath.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(tempPath.c_str());
        return error;
    }
    SyncFolder(FolderOf(target));
    return 0;
}

} // namespace zephra
