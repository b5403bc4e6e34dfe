#pragma once

#include <filesystem>
#include <iterator>

namespace zephra::serial::test {

/// Threads of this process, event threads and device watchers included.
inline int ThreadCount() {
    namespace fs = std::filesystem;
    return static_cast<int>(
        std::distance(fs::directory_iterator("/proc/self/task"), fs::directory_iterator()));
}

} // namespace zephra::serial::test
