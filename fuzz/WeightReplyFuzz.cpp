// Any line as the balance's reply to a weight request.

#include "acquisition/WeightReply.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const zephra::WeightReading reading = zephra::ParseWeightReply(line);
    // A reading the run would use must be a finite weight.
    if (!reading.Error && !std::isfinite(reading.WeightVal)) {
        std::abort();
    }
    return 0;
}
