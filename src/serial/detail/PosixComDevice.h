#pragma once

#include "serial/detail/ComDevice.h"

#include <atomic>
#include <linux/serial.h>

namespace zephra::serial::detail {

/// A tty device node on Linux, opened non-blocking and used through termios
/// and ioctls.
class PosixComDevice final : public ComDevice {
public:
    PosixComDevice() = default;
    ~PosixComDevice() override;
    PosixComDevice(const PosixComDevice&) = delete;
    PosixComDevice& operator=(const PosixComDevice&) = delete;

    int Open(const std::string& path) override;
    void Close() override;
    int Handle() const override { return fd_; }
    int GetState(DeviceState& state) override;
    int SetState(const DeviceState& state) override;
    int Read(std::uint8_t* buffer, std::size_t count, std::size_t& done) override;
    int Write(const std::uint8_t* buffer, std::size_t count, std::size_t& done) override;
    int WaitReady(Direction direction, std::optional<Milliseconds> limit) override;
    int InputCount(std::uint32_t& count) override;
    int OutputCount(std::uint32_t& count) override;
    int Purge(bool input, bool output) override;
    int Drain(std::optional<Milliseconds> limit, bool& drained) override;
    int Escape(EscapeFunction function) override;
    int ModemStatus(std::uint32_t& bits) override;
    int TakeLineErrors(std::uint32_t& bits) override;
    Clock::time_point Now() const override { return Clock::now(); }
    /// Recognised by the device number of the pseudo-terminal slaves.
    bool IsPseudoTerminal() const override;
    int CreateLineEventSource(std::unique_ptr<LineEventSource>& source) override;

private:
    void ClearLegacySpeedFlags();
    int ModemLines(std::optional<int>& lines);
    int SetModemLine(int line, bool on);

    /// Read by an event thread that checks whether the port is still open.
    std::atomic<int> fd_{-1};
    bool hasCounters_ = false;
    serial_icounter_struct counters_{};
};

} // namespace zephra::serial::detail
