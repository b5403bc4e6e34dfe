#include "document/AtomicFile.h"

#include "document/ExtendedAttributes.h"
#include "document/NewFileMode.h"
#include "document/PathWalk.h"
#include "document/SaveTemporary.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zephra {

namespace {

int WriteAt(int fd, const unsigned char* buffer, std::size_t size, off_t offset) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pwrite(fd, buffer + done, size - done, offset + static_cast<off_t>(done));
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

// What became of a save through a temporary file.
struct Replacement {
    int Error = 0;
    // The new file could not keep the old one's identity; nothing changed,
    // and the file is to be written in place.
    bool InPlaceInstead = false;
};

Replacement InPlace() {
    return {0, true};
}

// Gives the new file `temp` the old file's owner, extended attributes and
// mode, or for a new target the mode of a new file in the folder.
Replacement GiveIdentity(int temp, const FileInFolder& target, const struct stat* existing) {
    if (existing == nullptr) {
        return {::fchmod(temp, NewFileMode(target.Folder.get())) == 0 ? 0 : errno};
    }
    if (::fchown(temp, existing->st_uid, existing->st_gid) != 0) {
        return InPlace();
    }
    const FileDescriptor old(::openat(target.Folder.get(), target.Name.c_str(),
                                      O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (old.get() < 0 || ::fstat(old.get(), &st) != 0 || st.st_ino != existing->st_ino ||
        st.st_dev != existing->st_dev || !CopyExtendedAttributes(old.get(), temp)) {
        return InPlace();
    }
    // After the attributes: an access control list sets the mode bits too.
    return {::fchmod(temp, existing->st_mode & 07777) == 0 ? 0 : errno};
}

Replacement WriteTemporary(int temp, const FileInFolder& target, const struct stat* existing,
                           const void* data, std::size_t size) {
    const Replacement identity = GiveIdentity(temp, target, existing);
    if (identity.Error != 0 || identity.InPlaceInstead) {
        return identity;
    }
    if (const int error = WriteAt(temp, static_cast<const unsigned char*>(data), size, 0)) {
        return {error};
    }
    return {::fsync(temp) == 0 ? 0 : errno};
}

// Writes through a temporary file renamed over the target. The target is
// untouched unless the result is a success.
Replacement ReplaceThroughTemporary(const FileInFolder& target, const void* data, std::size_t size,
                                    const struct stat* existing) {
    const int folder = target.Folder.get();
    RemoveStaleSaveTemporaries(folder);
    std::string tempName;
    FileDescriptor temp(CreateSaveTemporary(folder, tempName));
    if (temp.get() < 0) {
        // A folder the user may not write to.
        return existing != nullptr && (errno == EACCES || errno == EPERM) ? InPlace()
                                                                          : Replacement{errno};
    }
    Replacement result = WriteTemporary(temp.get(), target, existing, data, size);
    if (const int closeError = temp.close(); result.Error == 0 && !result.InPlaceInstead) {
        result.Error = closeError;
    }
    if (result.Error == 0 && !result.InPlaceInstead &&
        ::renameat(folder, tempName.c_str(), folder, target.Name.c_str()) != 0) {
        // A file of another user in a sticky folder cannot be replaced.
        result = existing != nullptr && (errno == EACCES || errno == EPERM) ? InPlace()
                                                                            : Replacement{errno};
    } else if (result.Error == 0 && !result.InPlaceInstead) {
        const FileDescriptor flushed(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (flushed.get() >= 0) {
            ::fsync(flushed.get());
        }
        return result;
    }
    ::unlinkat(folder, tempName.c_str(), 0);
    return result;
}

// Overwrites the existing regular file from its first byte without
// truncating it first. The space a longer content needs is reserved and its
// part beyond the old end written before any old byte is touched; a failure
// there takes the file back to its old length.
int WriteInPlace(const FileInFolder& target, const void* data, std::size_t size) {
    FileDescriptor file(::openat(target.Folder.get(), target.Name.c_str(),
                                 O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
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
    const auto* bytes = static_cast<const unsigned char*>(data);
    const auto oldSize = static_cast<std::size_t>(st.st_size);
    if (size > oldSize) {
        // Reserved without changing the length; a file system that cannot
        // reserve gets the tail written below, which takes its space too.
        if (::fallocate(file.get(), FALLOC_FL_KEEP_SIZE, 0, static_cast<off_t>(size)) != 0 &&
            errno != EOPNOTSUPP && errno != ENOSYS) {
            return errno;
        }
        const int error = WriteAt(file.get(), bytes + oldSize, size - oldSize, st.st_size);
        if (error != 0 || ::fdatasync(file.get()) != 0) {
            const int failure = error != 0 ? error : errno;
            ::ftruncate(file.get(), st.st_size);
            return failure;
        }
    }
    if (const int error = WriteAt(file.get(), bytes, std::min(size, oldSize), 0)) {
        return error;
    }
    if (::fsync(file.get()) != 0) {
        return errno;
    }
    if (oldSize > size) {
        if (::ftruncate(file.get(), static_cast<off_t>(size)) != 0 || ::fsync(file.get()) != 0) {
            return errno;
        }
    }
    return file.close();
}

} // namespace

int WriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
    FileInFolder target;
    if (const int error = WalkToFile(path, target)) {
        return error;
    }
    struct stat existing {};
    if (::fstatat(target.Folder.get(), target.Name.c_str(), &existing, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT ? ReplaceThroughTemporary(target, data, size, nullptr).Error : errno;
    }
    // Only a regular file is replaced; never a folder, a device or a pipe.
    if (!S_ISREG(existing.st_mode)) {
        return S_ISDIR(existing.st_mode) ? EISDIR : EINVAL;
    }
    // A file its owner made read-only is not replaced behind their back.
    if (::faccessat(target.Folder.get(), target.Name.c_str(), W_OK, 0) != 0) {
        return errno;
    }
    // A new file would break the other hard links.
    if (existing.st_nlink > 1) {
        return WriteInPlace(target, data, size);
    }
    const Replacement replaced = ReplaceThroughTemporary(target, data, size, &existing);
    return replaced.InPlaceInstead ? WriteInPlace(target, data, size) : replaced.Error;
}

} // namespace zephra
