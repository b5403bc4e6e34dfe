// Any line as the reply of an A&D balance.

#include "FuzzReply.h"
#include "acquisition/AandDReply.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zephra::fuzz::CheckReply(zephra::ParseAandDReply, data, size);
    return 0;
}
