#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace zephra::fuzz {

// The bytes of one input as a file in memory, named by a path that the
// program's own file readers open as they would open a file on disk.
class FuzzInputFile {
public:
    FuzzInputFile(const std::uint8_t* data, std::size_t size)
        : fd_(::memfd_create("zephra-fuzz-input", MFD_CLOEXEC)) {
        std::size_t done = 0;
        while (fd_ >= 0 && done < size) {
            const ssize_t n = ::write(fd_, data + done, size - done);
            if (n <= 0) {
                break;
            }
            done += static_cast<std::size_t>(n);
        }
    }
    FuzzInputFile(const FuzzInputFile&) = delete;
    FuzzInputFile& operator=(const FuzzInputFile&) = delete;
    ~FuzzInputFile() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }

    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

} // namespace zephra::fuzz
