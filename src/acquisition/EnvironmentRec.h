#pragma once

#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace zephra {

// The settings record: one 1544-byte record whose only interpreted field is
// the balance's serial port number. The reserved bytes are carried unchanged
// from reading to writing.
struct TEnvironmentRec {
    std::uint8_t Reserved[1540];
    std::uint8_t ScalePortBytes[4]; // signed 32-bit little-endian

    std::int32_t ScalePortNumber() const {
        const std::uint32_t v =
            std::uint32_t{ScalePortBytes[0]} | (std::uint32_t{ScalePortBytes[1]} << 8) |
            (std::uint32_t{ScalePortBytes[2]} << 16) | (std::uint32_t{ScalePortBytes[3]} << 24);
        return static_cast<std::int32_t>(v);
    }
    void SetScalePortNumber(std::int32_t n) {
        const auto v = static_cast<std::uint32_t>(n);
        for (int i = 0; i < 4; ++i)
            ScalePortBytes[i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFF);
    }
};

inline constexpr std::size_t EnvironmentRecSize = 1544;

static_assert(std::is_trivially_copyable_v<TEnvironmentRec>);
static_assert(sizeof(TEnvironmentRec) == EnvironmentRecSize);
static_assert(offsetof(TEnvironmentRec, ScalePortBytes) == 1540);

} // namespace zephra
