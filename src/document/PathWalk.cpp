#include "document/PathWalk.h"

#include <cerrno>
#include <climits>
#include <deque>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zephra {

namespace {

constexpr int MaxLinks = 40;

// The names of `path` between its slashes, in order; empty names and "."
// on the way mean nothing, a last "." or ".." names a folder.
std::deque<std::string> NamesOf(const std::string& path) {
    std::deque<std::string> names;
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t slash = path.find('/', start);
        if (slash == std::string::npos) {
            slash = path.size();
        }
        if (slash > start) {
            names.push_back(path.substr(start, slash - start));
        }
        start = slash + 1;
    }
    return names;
}

int OpenRoot(const std::string& path, FileDescriptor& folder) {
    folder =
        FileDescriptor(::open(path.front() == '/' ? "/" : ".", O_PATH | O_DIRECTORY | O_CLOEXEC));
    return folder.get() < 0 ? errno : 0;
}

// The kernel's rule for links in sticky folders that everybody may write
// to: follow only a link of the user or of the folder's owner.
bool MayFollow(const struct stat& folder, const struct stat& link) {
    if ((folder.st_mode & (S_ISVTX | S_IWOTH)) != (S_ISVTX | S_IWOTH)) {
        return true;
    }
    return link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

int ReadLink(int folder, const std::string& name, std::string& target) {
    target.assign(PATH_MAX, '\0');
    const ssize_t length = ::readlinkat(folder, name.c_str(), target.data(), target.size());
    if (length < 0) {
        return errno;
    }
    if (static_cast<std::size_t>(length) >= target.size()) {
        return ENAMETOOLONG;
    }
    target.resize(static_cast<std::size_t>(length));
    return target.empty() ? ENOENT : 0;
}

// Reopens the folder for reading where the user may, so that it can be
// listed and flushed; a folder the user may only pass through stays a path.
FileDescriptor Readable(FileDescriptor folder) {
    FileDescriptor readable(::openat(folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return readable.get() >= 0 ? std::move(readable) : std::move(folder);
}

} // namespace

int WalkToFile(const std::string& path, FileInFolder& file) {
    if (path.empty()) {
        return ENOENT;
    }
    if (path.back() == '/') {
        return EISDIR;
    }
    FileDescriptor folder;
    if (const int error = OpenRoot(path, folder)) {
        return error;
    }
    std::deque<std::string> names = NamesOf(path);
    int links = 0;
    while (!names.empty()) {
        const std::string name = names.front();
        names.pop_front();
        const bool last = names.empty();
        if (name == "." && !last) {
            continue;
        }
        if (last && (name == "." || name == "..")) {
            return EISDIR;
        }
        struct stat st {};
        if (::fstatat(folder.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT || !last) {
                return errno;
            }
            st.st_mode = S_IFREG; // a file to create
        }
        if (S_ISLNK(st.st_mode)) {
            struct stat here {};
            if (++links > MaxLinks) {
                return ELOOP;
            }
            if (::fstat(folder.get(), &here) != 0) {
                return errno;
            }
            if (!MayFollow(here, st)) {
                return EACCES;
            }
            std::string target;
            if (const int error = ReadLink(folder.get(), name, target)) {
                return error;
            }
            if (target.front() == '/') {
                if (const int error = OpenRoot(target, folder)) {
                    return error;
                }
            }
            if (last && target.back() == '/') {
                return EISDIR;
            }
            const std::deque<std::string> more = NamesOf(target);
            names.insert(names.begin(), more.begin(), more.end());
            if (names.empty()) {
                return EISDIR; // the link names the root folder
            }
            continue;
        }
        if (last) {
            file.Folder = Readable(std::move(folder));
            file.Name = name;
            return 0;
        }
        FileDescriptor next(
            ::openat(folder.get(), name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (next.get() < 0) {
            return errno;
        }
        folder = std::move(next);
    }
    return EISDIR; // only "." names were left
}

} // namespace zephra
