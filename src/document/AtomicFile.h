#pragma once

#include <cstddef>
#include <string>

namespace zephra {

// Closes a descriptor on every path out of a scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd);
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();
    int get() const { return fd_; }
    // Closes now and reports the errno of a failed close (0 on success).
    int close();

private:
    int fd_;
};

// Replaces the file at `path` with `size` bytes of `data` so that a reader
// sees either the old file or the whole new one: a temporary file in the same
// folder is written, flushed and renamed over the target, then the folder is
// flushed. An existing target keeps its mode. Symbolic links are followed
// and stay, also one that names a file not yet there.
//
// Where a new file cannot keep the old one's identity (the folder may not be
// written but the file may, the owner cannot be given back, or the file has
// other hard links), the file is written in place instead: its first bytes
// are overwritten without truncating first, flushed, and a longer file is
// then cut to `size`.
//
// Only a regular file is written (a folder gives EISDIR, anything else
// EINVAL), and a target the user may not write is refused with that errno.
// Returns 0 or the errno of the failure; a failure of the normal path leaves
// the old file intact.
int WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

} // namespace zephra
