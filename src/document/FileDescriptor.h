#pragma once

namespace zephra {

// Closes a descriptor on every path out of a scope; moving hands it on.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1);
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();
    int get() const { return fd_; }
    // Closes now and reports the errno of a failed close (0 on success).
    int close();

private:
    int fd_;
};

} // namespace zephra
