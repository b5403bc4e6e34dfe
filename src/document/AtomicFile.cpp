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

// Symbolic links are followed, also to a target that does not exist yet, so
// that the file a link names is written and the link itself stays in place.
std::string ResolveTarget(const std::string& path) {
    constexpr int MaxLinks = 40;
    std::string target = path;
    for (int depth = 0; depth < MaxLinks; ++depth) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return target;
        }
        char link[PATH_MAX];
        const ssize_t length = ::readlink(target.c_str(), link, sizeof link - 1);
        if (length <= 0) {
            return target;
        }
        const std::string contents(link, static_cast<std::size_t>(length));
        target = contents.front() == '/' ? contents : FolderOf(target) + "/" + contents;
    }
    return target;
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
        // The new file must belong to whoever owned the old one; when that
        // cannot be given back the caller writes in place instead.
        if (::fchown(fd, existing->st_uid, existing->st_gid) != 0) {
            return EPERM;
        }
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

// Writes through a temporary file renamed over `target`. Returns 0 or the
// errno of the failure; the target is then untouched.
int ReplaceThroughTemporary(const std::string& target, const void* data, std::size_t size,
                            const struct stat* existing) {
    std::string tempPath;
    FileDescriptor temp(CreateTemporary(target, tempPath));
    if (temp.get() < 0) {
        return errno;
    }
    int error = WriteTemporary(temp.get(), data, size, existing);
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

// Overwrites the existing regular file `target` from its first byte without
// truncating it first: the blocks it already has need no new space, so a
// full disk cannot leave it half-written. A longer file is cut afterwards.
int WriteInPlace(const std::string& target, const void* data, std::size_t size) {
    FileDescriptor file(::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        return errno;
    }
    struct stat st {};
    if (::fstat(file.get(), &st) != 0) {
        return errno;
    }
    if (!S_ISREG(st.st_mode)) {
        return EINVAL;
    }
    if (const int error = WriteFully(file.get(), static_cast<const unsigned char*>(data), size);
        error != 0) {
        return error;
    }
    if (::fsync(file.get()) != 0) {
        return errno;
    }
    if (static_cast<std::size_t>(st.st_size) > size) {
        if (::ftruncate(file.get(), static_cast<off_t>(size)) != 0 || ::fsync(file.get()) != 0) {
            return errno;
        }
    }
    return file.close();
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
    if (::stat(target.c_str(), &existing) != 0) {
        // Only a missing file is created; a loop of links, say, is an error.
        return errno == ENOENT ? ReplaceThroughTemporary(target, data, size, nullptr) : errno;
    }
    // Only a regular file is replaced; never a folder, a device or a pipe.
    if (!S_ISREG(existing.st_mode)) {
        return S_ISDIR(existing.st_mode) ? EISDIR : EINVAL;
    }
    // A file its owner made read-only is not replaced behind their back.
    if (::access(target.c_str(), W_OK) != 0) {
        return errno;
    }
    // A new file would break the other hard links.
    if (existing.st_nlink > 1) {
        return WriteInPlace(target, data, size);
    }
    const int error = ReplaceThroughTemporary(target, data, size, &existing);
    // The folder cannot take a new file, or the new file could not get the
    // old one's owner back: the file itself is writable, so write it there.
    if (error == EACCES || error == EPERM) {
        return WriteInPlace(target, data, size);
    }
    return error;
}

} // namespace zephra
