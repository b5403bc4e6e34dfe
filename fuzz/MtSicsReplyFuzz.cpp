// Any line as the reply of the standard interface command set.

#include "FuzzReply.h"
#include "acquisition/MtSicsReply.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zephra::fuzz::CheckReply(zephra::ParseMtSicsReply, data, size);
    return 0;
}
