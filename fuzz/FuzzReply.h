#pragma once

#include "acquisition/Balance.h"
#include "acquisition/WeightReadingText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace zephra::fuzz {

// Reads the bytes as one reply line with `parse` and checks what a run
// relies on: a weight is a finite number of grams, and a reply without one
// has its text for the lab.
inline void CheckReply(WeightReading (*parse)(std::string_view), const std::uint8_t* data,
                       std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const WeightReading reading = parse(line);
    if (!reading.Error &&
        (!std::isfinite(reading.WeightVal) || reading.Condition != BalanceCondition::None)) {
        std::abort();
    }
    if (WeightReadingText(reading).empty()) {
        std::abort();
    }
}

} // namespace zephra::fuzz
