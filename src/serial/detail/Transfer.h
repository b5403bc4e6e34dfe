#pragma once

#include "serial/detail/TransferPlan.h"

#include <cstdint>

namespace zephra::serial::detail {

/// State of the one read or the one write in flight: idle, pending, or
/// complete and not yet collected by a wait.
struct Transfer {
    explicit Transfer(Direction direction) : Dir(direction) {}

    const Direction Dir;
    bool Pending = false;
    std::uint8_t* ReadBuffer = nullptr;
    const std::uint8_t* WriteBuffer = nullptr;
    std::uint32_t Requested = 0; ///< FRequestedReadCount / FRequestedWriteCount
    std::uint32_t Done = 0;
    TransferPlan Plan;
};

} // namespace zephra::serial::detail
