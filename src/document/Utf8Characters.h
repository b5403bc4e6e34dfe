#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace zephra {

// The number of characters of UTF-8 text (continuation bytes do not count),
// as a reader sees its width in a fixed-pitch face.
inline std::size_t Utf8Characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

} // namespace zephra
