#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace zephra::serial::detail {

/// Line-event bits, numbered as the Windows event mask.
enum LineEventBits : std::uint32_t {
    evRxChar = 0x1,
    evRxFlag = 0x2,
    evTxEmpty = 0x4,
    evCTS = 0x8,
    evDSR = 0x10,
    evRLSD = 0x20,
    evBreak = 0x40,
    evErr = 0x80,
    evRing = 0x100,
    evPErr = 0x200,
    evRx80Full = 0x400,
    evEvent1 = 0x800,
    evEvent2 = 0x1000,
};

/// The kernel's interrupt counters of a serial device (TIOCGICOUNT).
struct LineCounters {
    std::uint32_t cts = 0, dsr = 0, rng = 0, dcd = 0, rx = 0, tx = 0;
    std::uint32_t frame = 0, overrun = 0, parity = 0, brk = 0, bufOverrun = 0;
};

/// What the event thread reads from the device at each look.
struct LineSnapshot {
    std::uint32_t inputCount = 0; ///< bytes received and not read
    /// Bytes the port has read from the device so far; filled in by
    /// the event thread, not by the source.
    std::uint64_t inputTaken = 0;
    std::uint32_t outputCount = 0; ///< bytes the driver has still to send
    /// TIOCM_* bits of the modem lines; absent where the device has none.
    std::optional<std::uint32_t> modemLines;
    /// Absent where the driver keeps no counters (pseudo-terminals, some USB devices).
    std::optional<LineCounters> counters;
};

/// Why a wait of the event source ended.
enum class WaitOutcome {
    Ready,  ///< the device has input, or the time is up
    Woken,  ///< `LineEventSource::Wake` was called
    HungUp, ///< the device is gone
};

/// The device side of the event thread: waits for input, hang-up or a wake-up
/// and reads the counters that events are derived from.
class LineEventSource {
public:
    virtual ~LineEventSource() = default;
    /// Waits at most `limit` for input (only when `forInput`), a hang-up or `Wake`.
    /// Returns 0 or an errno.
    virtual int Wait(bool forInput, std::chrono::milliseconds limit, WaitOutcome& outcome) = 0;
    /// Ends a running wait, or the next one, at once. Any thread.
    virtual void Wake() = 0;
    /// Reads the queues and counters; the modem-line levels only when
    /// `withModemLines` and the driver keeps no counters (on some USB devices
    /// reading them costs a request to the device). Returns 0 or an errno;
    /// EIO means the device is gone.
    virtual int Snapshot(bool withModemLines, LineSnapshot& snapshot) = 0;
};

} // namespace zephra::serial::detail
