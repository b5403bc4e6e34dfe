#pragma once

#include "serial/detail/LineEvents.h"

namespace zephra::serial::detail {

/// Turns successive device snapshots into line-event bits.
///
/// Received bytes show as growth of the bytes read plus the bytes queued, or
/// of the driver's receive counter. Other counters, where the driver keeps
/// them, give every event exactly, pulses shorter than a look included;
/// without them modem changes show as differing line levels, and breaks and
/// line errors go unseen. The transmit queue counts as emptied once it is seen
/// empty after output was started (`ArmTxEmpty`) or seen non-empty.
class LineEventTracker {
public:
    /// Nominal size of the line discipline's input buffer; 80 % of it is the
    /// Rx80PercFull threshold.
    static constexpr std::uint32_t kInputBufferSize = 4096;

    /// Takes `snapshot` as the state from which changes count.
    explicit LineEventTracker(const LineSnapshot& snapshot = {}) : last_(snapshot) {}

    /// Output has been started; the next empty transmit queue gives TxEmpty.
    void ArmTxEmpty() { txArmed_ = true; }
    /// The events between the last snapshot and `snapshot`, as `LineEventBits`.
    std::uint32_t Update(const LineSnapshot& snapshot);
    /// Whether unread input is known to be queued (a readiness wait would end at once).
    bool InputQueued() const { return last_.inputCount > 0; }

private:
    LineSnapshot last_;
    bool txArmed_ = false;
};

} // namespace zephra::serial::detail
