// Any line as the reply of an SMA scale.

#include "FuzzReply.h"
#include "acquisition/SmaReply.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zephra::fuzz::CheckReply(zephra::ParseSmaReply, data, size);
    return 0;
}
