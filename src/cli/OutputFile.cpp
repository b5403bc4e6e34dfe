#include "cli/OutputFile.h"

#include "document/AtomicFile.h"
#include "document/OutputTarget.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace zephra::cli {

namespace {

bool Failed(std::ostream& err, const std::string& path, int code) {
    err << path << ": the file could not be written: " << std::strerror(code) << '\n';
    return false;
}

bool IsCharacterDevice(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISCHR(st.st_mode);
}

// A device takes the bytes as they come: nothing of it can be kept or
// replaced. A terminal is no place for a file's bytes.
bool WriteToDevice(const std::string& path, std::string_view bytes, std::ostream& err) {
    FileDescriptor device(::open(path.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (device.get() < 0 || ::fstat(device.get(), &st) != 0) {
        return Failed(err, path, errno);
    }
    if (!S_ISCHR(st.st_mode) || ::isatty(device.get())) {
        err << path << ": not written: it is a terminal\n";
        return false;
    }
    const int flags = ::fcntl(device.get(), F_GETFL);
    if (flags < 0 || ::fcntl(device.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return Failed(err, path, errno);
    }
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(device.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno != EINTR) {
            return Failed(err, path, errno);
        }
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    const int closed = device.close();
    return closed == 0 || Failed(err, path, closed);
}

} // namespace

bool WriteOutput(const std::string& path, std::string_view bytes,
                 const std::vector<std::string>& inputs, std::ostream& out, std::ostream& err) {
    if (path.empty() || path == "-") {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out);
    }
    if (const auto refusal = OutputRefusal(path, inputs)) {
        err << path << ": not written: " << *refusal << '\n';
        return false;
    }
    if (IsCharacterDevice(path)) {
        return WriteToDevice(path, bytes, err);
    }
    const int code = WriteFileAtomically(path, bytes.data(), bytes.size());
    return code == 0 || Failed(err, path, code);
}

} // namespace zephra::cli
