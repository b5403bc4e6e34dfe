// Any line as the reply of an OHAUS balance.

#include "FuzzReply.h"
#include "acquisition/OhausReply.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zephra::fuzz::CheckReply(zephra::ParseOhausReply, data, size);
    return 0;
}
