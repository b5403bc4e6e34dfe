#include "document/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace zephra {

FileDescriptor OpenRegularFile(const std::string& path, int& error) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (file.get() < 0 || ::fstat(file.get(), &st) != 0) {
        error = errno;
        return FileDescriptor();
    }
    if (!S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return FileDescriptor();
    }
    error = 0;
    return file;
}

} // namespace zephra
