#pragma once

#include "document/ShortString.h"
#include "document/Windows1252.h"

#include <string>
#include <string_view>

namespace zephra {

// `text` without its leading and trailing blanks.
inline std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A record field as data: its text in UTF-8 without the blanks that pad it
// to its column.
template <std::size_t N> std::string FieldText(const ShortString<N>& field) {
    return Win1252ToUtf8(TrimBlanks(field.text()));
}

} // namespace zephra
