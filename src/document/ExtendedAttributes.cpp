#include "document/ExtendedAttributes.h"

#include <algorithm>
#include <cerrno>
#include <sys/xattr.h>
#include <vector>

namespace zephra {

namespace {

// The names of the file's extended attributes; nothing on a file system
// without them.
std::optional<std::vector<std::string>> Names(int fd) {
    std::string list;
    for (;;) {
        const ssize_t size = ::flistxattr(fd, nullptr, 0);
        if (size < 0) {
            return errno == ENOTSUP ? std::optional(std::vector<std::string>()) : std::nullopt;
        }
        list.assign(static_cast<std::size_t>(size), '\0');
        const ssize_t got = ::flistxattr(fd, list.data(), list.size());
        if (got >= 0) {
            list.resize(static_cast<std::size_t>(got));
            break;
        }
        if (errno != ERANGE) {
            return std::nullopt;
        }
    }
    std::vector<std::string> names;
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = list.find('\0', start);
        names.push_back(list.substr(start, end - start));
        start = end == std::string::npos ? list.size() : end + 1;
    }
    return names;
}

} // namespace

std::optional<std::string> ExtendedAttribute(int fd, const char* name) {
    for (;;) {
        const ssize_t size = ::fgetxattr(fd, name, nullptr, 0);
        if (size < 0) {
            return std::nullopt;
        }
        std::string value(static_cast<std::size_t>(size), '\0');
        const ssize_t got = ::fgetxattr(fd, name, value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return value;
        }
        if (errno != ERANGE) {
            return std::nullopt;
        }
    }
}

bool CopyExtendedAttributes(int from, int to) {
    const std::optional<std::vector<std::string>> kept = Names(from);
    const std::optional<std::vector<std::string>> present = Names(to);
    if (!kept || !present) {
        return false;
    }
    for (const std::string& name : *kept) {
        const std::optional<std::string> value = ExtendedAttribute(from, name.c_str());
        if (!value) {
            return false;
        }
        // A label the new file has already needs no permission to set.
        if (ExtendedAttribute(to, name.c_str()) != value &&
            ::fsetxattr(to, name.c_str(), value->data(), value->size(), 0) != 0) {
            return false;
        }
    }
    for (const std::string& name : *present) {
        if (std::find(kept->begin(), kept->end(), name) != kept->end() ||
            name.starts_with("security.")) {
            continue;
        }
        if (::fremovexattr(to, name.c_str()) != 0 && errno != ENODATA) {
            return false;
        }
    }
    return true;
}

} // namespace zephra
