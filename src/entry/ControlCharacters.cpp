#include "entry/ControlCharacters.h"

#include <cstdio>

namespace zephra {

namespace {

// The length in bytes of the control character at `i`, or 0 when there is
// none: one byte for C0 and DEL, two for C1 (0xC2 0x80..0x9F in UTF-8).
std::size_t ControlAt(std::string_view text, std::size_t i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) {
        return 1;
    }
    if (byte == 0xC2 && i + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        return next >= 0x80 && next <= 0x9F ? 2 : 0;
    }
    return 0;
}

// The text with each control character replaced by what `shown` makes of
// its code point.
template <typename Shown> std::string Replaced(std::string_view text, Shown shown) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = ControlAt(text, i);
        if (length == 0) {
            out += text[i++];
            continue;
        }
        const unsigned codePoint = length == 1
                                       ? static_cast<unsigned char>(text[i])
                                       : static_cast<unsigned char>(text[i + 1]); // 0x80..0x9F
        out += shown(codePoint);
        i += length;
    }
    return out;
}

} // namespace

bool HoldsControlCharacter(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (ControlAt(utf8, i) != 0) {
            return true;
        }
    }
    return false;
}

std::string VisibleControlCharacters(std::string_view utf8) {
    return Replaced(utf8, [](unsigned codePoint) {
        char escape[8];
        std::snprintf(escape, sizeof escape, codePoint < 0x80 ? "\\x%02X" : "\\u%04X", codePoint);
        return std::string(escape);
    });
}

std::string WithoutControlCharacters(std::string_view utf8) {
    return Replaced(utf8, [](unsigned) { return std::string(); });
}

} // namespace zephra
