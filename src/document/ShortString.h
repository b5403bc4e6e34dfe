#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zephra {

// Called when a text longer than its field is assigned. With the
// environment variable ZEPHRA_FIELD_CHECKS set (every test runs so) it
// prints the text and stops the program, so that a silent cut fails the
// tests; otherwise the field keeps the text's first characters.
void FieldCut(std::string_view bytes, std::size_t capacity);

// A fixed-capacity string as stored in the wine record: one length byte and
// N character bytes (Windows-1252). Only the first `len` bytes are the text;
// the bytes after them are carried unchanged so that a record read and
// written again is the same file byte for byte.
template <std::size_t N> struct ShortString {
    static constexpr std::size_t Capacity = N;

    std::uint8_t len;
    std::uint8_t chars[N];

    std::string_view text() const {
        return {reinterpret_cast<const char*>(chars), std::min<std::size_t>(len, N)};
    }
    bool empty() const { return len == 0; }

    // Stores `bytes`, which must fit: a text cut to fit would read as
    // another value, so a longer one goes through FieldCut. Writes the
    // length byte and the text bytes only, leaving the rest of the field as
    // it was.
    void assign(std::string_view bytes) {
        if (bytes.size() > N) {
            FieldCut(bytes, N);
        }
        assignTruncated(bytes);
    }
    // Stores the first N bytes of `bytes`, for the fields where keeping a
    // text's first characters is the rule (as `assign` otherwise).
    void assignTruncated(std::string_view bytes) {
        const std::size_t n = std::min(bytes.size(), N);
        std::copy_n(bytes.data(), n, reinterpret_cast<char*>(chars));
        len = static_cast<std::uint8_t>(n);
    }
    void clear() {
        len = 0;
    }

    // A blank result field: as many blanks as its capacity.
    void fillBlanks() {
        assign(std::string_view("                         ", N));
    }
};

// 16-bit little-endian integers as stored in the record (no alignment).
struct LeSmallInt {
    std::uint8_t bytes[2];
    std::int16_t get() const { return static_cast<std::int16_t>(bytes[0] | (bytes[1] << 8)); }
    void set(std::int16_t v) {
        bytes[0] = static_cast<std::uint8_t>(v & 0xFF);
        bytes[1] = static_cast<std::uint8_t>((static_cast<std::uint16_t>(v) >> 8) & 0xFF);
    }
};

struct LeWord {
    std::uint8_t bytes[2];
    std::uint16_t get() const { return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8)); }
    void set(std::uint16_t v) {
        bytes[0] = static_cast<std::uint8_t>(v & 0xFF);
        bytes[1] = static_cast<std::uint8_t>(v >> 8);
    }
};

} // namespace zephra
