#include "document/Crc32.h"

#include <gtest/gtest.h>

#include <string>

namespace zephra {
namespace {

// Check values as zlib's crc32 gives them.
TEST(Crc32Test, KnownValues) {
    const std::pair<std::string, std::uint32_t> cases[] = {
        {"", 0x00000000u},
        {"a", 0xE8B7BE43u},
        {"123456789", 0xCBF43926u},
        {std::string(4, '\0'), 0x2144DF1Cu},
        {"The quick brown fox jumps over the lazy dog", 0x414FA339u},
    };
    for (const auto& [bytes, crc] : cases)
        EXPECT_EQ(Crc32(bytes), crc) << bytes;
}

} // namespace
} // namespace zephra
