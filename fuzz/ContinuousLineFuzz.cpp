// Any line as the reply of a balance that prints continuously.

#include "FuzzReply.h"
#include "acquisition/ContinuousReply.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zephra::fuzz::CheckReply(zephra::ParseContinuousLine, data, size);
    return 0;
}
