#include "document/OutputTarget.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>

namespace zephra {

namespace {

bool NamesWineFile(const std::string& path) {
    constexpr std::string_view Extension = ".zph";
    if (path.size() < Extension.size()) {
        return false;
    }
    return std::equal(
        Extension.begin(), Extension.end(), path.end() - Extension.size(),
        [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// The name of the file `path` leads to, links followed.
std::string RealName(const std::string& path) {
    char real[PATH_MAX];
    return ::realpath(path.c_str(), real) != nullptr ? std::string(real) : path;
}

} // namespace

std::optional<std::string> OutputRefusal(const std::string& path,
                                         const std::vector<std::string>& inputs) {
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) {
        return std::nullopt; // a new file
    }
    for (const std::string& input : inputs) {
        struct stat wine {};
        if (::stat(input.c_str(), &wine) == 0 && wine.st_dev == target.st_dev &&
            wine.st_ino == target.st_ino) {
            return "it is the wine file " + input + ", which the output is made from";
        }
    }
    if (S_ISREG(target.st_mode) && (NamesWineFile(path) || NamesWineFile(RealName(path)))) {
        return std::string("it is a wine file, which an output never replaces");
    }
    return std::nullopt;
}

} // namespace zephra
