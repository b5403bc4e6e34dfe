#pragma once

#include "serial/detail/ComDevice.h"

#include <cstdint>
#include <optional>

namespace zephra::serial::detail {

/// The five timeout values as the device layer sees them (unsigned; -1 is MAXDWORD).
struct TimeoutValues {
    std::uint32_t ReadInterval = 0;
    std::uint32_t ReadMultiplier = 0;
    std::uint32_t ReadConstant = 0;
    std::uint32_t WriteMultiplier = 0;
    std::uint32_t WriteConstant = 0;
};

/// Deadlines of one read or write, from the Windows timeout rules. Created
/// when the transfer starts; answers whether the transfer is finished and how
/// long the next wait may last.
class TransferPlan {
public:
    TransferPlan() = default;
    static TransferPlan ForRead(const TimeoutValues& timeouts, std::uint32_t count,
                                Clock::time_point start);
    static TransferPlan ForWrite(const TimeoutValues& timeouts, std::uint32_t count,
                                 Clock::time_point start);

    /// Notes that bytes arrived at `now` (restarts the interval timer).
    void BytesArrived(Clock::time_point now);
    /// Whether a transfer with `done` of its bytes may complete at `now`.
    bool Finished(std::uint32_t done, Clock::time_point now) const;
    /// How long the next wait may last at `now`; none: no limit.
    std::optional<Milliseconds> WaitLimit(std::uint32_t done, Clock::time_point now) const;

private:
    enum class Mode { WaitAll, ReturnQueued, WaitFirstByte };

    Mode mode_ = Mode::WaitAll;
    std::uint32_t count_ = 0;
    std::optional<Clock::time_point> totalDeadline_;
    std::optional<Milliseconds> interval_;
    std::optional<Clock::time_point> intervalDeadline_;
};

} // namespace zephra::serial::detail
