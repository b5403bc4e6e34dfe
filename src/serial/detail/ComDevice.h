#pragma once

#include "serial/detail/DeviceState.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace zephra::serial::detail {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

/// Device-control functions, numbered as the Windows escape functions.
enum class EscapeFunction {
    SetXOff = 1,
    SetXOn = 2,
    SetRts = 3,
    ClearRts = 4,
    SetDtr = 5,
    ClearDtr = 6,
    ResetDevice = 7,
    SetBreak = 8,
    ClearBreak = 9,
};

enum class Direction { Input, Output };

class LineEventSource;

/// The system below the port: one serial device. Every call returns 0 on
/// success or the errno of the failing system call; this is the only layer
/// that reads errno. All calls are non-blocking unless they take a limit.
class ComDevice {
public:
    virtual ~ComDevice() = default;

    /// Opens `path` exclusively; a device open elsewhere gives EBUSY.
    virtual int Open(const std::string& path) = 0;
    /// Releases the device. Never fails.
    virtual void Close() = 0;
    /// The file descriptor, or -1 while closed. Any thread.
    virtual int Handle() const = 0;

    virtual int GetState(DeviceState& state) = 0;
    virtual int SetState(const DeviceState& state) = 0;

    /// Reads what is there, up to `count` bytes; `done` 0 and result 0 when
    /// nothing is queued. A device that has gone away gives EIO.
    virtual int Read(std::uint8_t* buffer, std::size_t count, std::size_t& done) = 0;
    /// Writes what the device accepts now, up to `count` bytes.
    virtual int Write(const std::uint8_t* buffer, std::size_t count, std::size_t& done) = 0;
    /// Waits until the device can be read (written) or `limit` has passed; no limit: wait on.
    virtual int WaitReady(Direction direction, std::optional<Milliseconds> limit) = 0;

    virtual int InputCount(std::uint32_t& count) = 0;
    virtual int OutputCount(std::uint32_t& count) = 0;
    /// Discards the bytes of the chosen queues.
    virtual int Purge(bool input, bool output) = 0;
    /// Waits until the output queue has been sent, at most `limit` when given;
    /// `drained` tells whether it was.
    virtual int Drain(std::optional<Milliseconds> limit, bool& drained) = 0;

    virtual int Escape(EscapeFunction function) = 0;
    /// `bits` from the modem-status bits (ms...On).
    virtual int ModemStatus(std::uint32_t& bits) = 0;
    /// Line errors since the last call, as line-error bits (ce...); 0 on a device that counts none.
    /// The port never runs it together with itself, `Open` or `Close`.
    virtual int TakeLineErrors(std::uint32_t& bits) = 0;

    /// The clock that the device's waits are measured against.
    virtual Clock::time_point Now() const = 0;

    /// Whether the device is a pseudo-terminal, which always runs with 8 data
    /// bits and no parity whatever it is asked for.
    virtual bool IsPseudoTerminal() const { return false; }

    /// Makes the source the event thread waits on for line events of the open
    /// device. Returns 0 or an errno. By default the device has no counters or
    /// modem lines and its queues stay empty.
    virtual int CreateLineEventSource(std::unique_ptr<LineEventSource>& source);
};

} // namespace zephra::serial::detail
