#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace zephra::test {

// The bytes of the golden file `name` in `folder`, empty when there is none.
// With ZEPHRA_UPDATE_GOLDEN set, `actual` is written to it first, so that
// the tests refresh their golden files after an intended change of an
// output (see the folder's README.md).
inline std::string GoldenBytes(const std::string& folder, const std::string& name,
                               const std::string& actual) {
    const std::string path = folder + "/" + name;
    if (std::getenv("ZEPHRA_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
    }
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace zephra::test
