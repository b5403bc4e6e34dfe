#pragma once

#include <cstdint>
#include <string_view>

namespace zephra {

// The CRC-32 of `bytes` as zlib's crc32 and PNG compute it (polynomial
// 0xEDB88320, reflected, initial and final value 0xFFFFFFFF).
std::uint32_t Crc32(std::string_view bytes);

} // namespace zephra
