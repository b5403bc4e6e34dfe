#include "cli/OutputFile.h"

#include "document/AtomicFile.h"

#include <cstring>
#include <ostream>

namespace zephra::cli {

bool WriteOutput(const std::string& path, std::string_view bytes, std::ostream& out,
                 std::ostream& err) {
    if (path.empty() || path == "-") {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out);
    }
    const int code = WriteFileAtomically(path, bytes.data(), bytes.size());
    if (code != 0) {
        err << path << ": the file could not be written: " << std::strerror(code) << '\n';
        return false;
    }
    return true;
}

} // namespace zephra::cli
