#include "document/Windows1252.h"

#include <array>
#include <cstdint>

namespace zephra {

namespace {

// Code points of the bytes 0x80..0x9F. The five bytes Windows-1252 leaves
// undefined map to the C1 control of the same number, so that any record
// text survives a trip through the user interface unchanged.
constexpr std::array<char32_t, 32> HighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteToCodePoint(std::uint8_t byte) {
    if (byte >= 0x80 && byte <= 0x9F) {
        return HighControlRange[byte - 0x80];
    }
    return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char CodePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        return static_cast<char>(cp);
    }
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == cp) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

// Decodes one UTF-8 sequence starting at `pos`. On a malformed sequence
// returns false and advances past its longest well-formed start, so that
// each malformed piece becomes a single replacement.
bool DecodeUtf8(std::string_view s, std::size_t& pos, char32_t& cp) {
    const auto lead = static_cast<std::uint8_t>(s[pos]);
    ++pos;
    if (lead < 0x80) {
        cp = lead;
        return true;
    }
    int length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
        cp = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
        cp = lead & 0x07;
    } else {
        return false;
    }
    for (int i = 1; i < length; ++i) {
        if (pos >= s.size()) {
            return false;
        }
        const auto next = static_cast<std::uint8_t>(s[pos]);
        if ((next & 0xC0) != 0x80) {
            return false;
        }
        const char32_t extended = (cp << 6) | (next & 0x3F);
        // Overlong forms, surrogates and values above U+10FFFF show at the
        // second byte, which then is not part of the malformed piece.
        if (i == 1) {
            const int bitsLeft = 6 * (length - 2);
            const char32_t lowestPossible = extended << bitsLeft;
            const char32_t highestPossible = lowestPossible | ((char32_t{1} << bitsLeft) - 1);
            if (highestPossible < minimum || lowestPossible > 0x10FFFF ||
                (lowestPossible >= 0xD800 && highestPossible <= 0xDFFF)) {
                return false;
            }
        }
        cp = extended;
        ++pos;
    }
    return true;
}

} // namespace

std::string Win1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        AppendUtf8(out, ByteToCodePoint(static_cast<std::uint8_t>(c)));
    }
    return out;
}

std::string Utf8ToWin1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        out += DecodeUtf8(utf8, pos, cp) ? CodePointToByte(cp) : '?';
    }
    return out;
}

} // namespace zephra
