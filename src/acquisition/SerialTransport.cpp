#include "acquisition/SerialTransport.h"

#include "acquisition/Balance.h"
#include "acquisition/ComPortBalance.h"

#include <cerrno>
#include <poll.h>

namespace zephra {

using serial::EComError;

namespace {

// The errors of a serial device that is no longer there: its node is gone,
// or the driver reports the hardware removed.
bool DeviceGone(int error) {
    return error == ENOENT || error == ENODEV || error == ENXIO || error == EIO;
}

} // namespace

SerialTransport::SerialTransport(serial::TComPort& port) : port_(port) {}

std::string SerialTransport::Name() const {
    return port_.DeviceName();
}

template <typename Step> auto SerialTransport::OnPort(Step step) {
    try {
        return step();
    } catch (const EComError& e) {
        Exchanged();
        throw BalanceError(port_.DeviceName() + ": " + e.what(), DeviceGone(e.ErrorCode()));
    }
}

void SerialTransport::Open() {
    OnPort([this] {
        const auto settled = lastExchange_ + std::chrono::milliseconds(BalanceSettleMs);
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(
            settled - std::chrono::steady_clock::now());
        if (wait.count() > 0)
            wait_.Wait(-1, POLLIN, static_cast<int>(wait.count()));
        port_.SetActive(true);
    });
}

void SerialTransport::Write(std::string_view bytes) {
    OnPort([&] {
        for (char c : bytes)
            port_.WriteAnsiChar(c);
    });
}

// Waits for the next character beside the interruption; the character
// itself is then read by the port at once.
char SerialTransport::ReadChar(int timeoutMs) {
    return OnPort([&] {
        if (!wait_.Wait(port_.Handle(), POLLIN, timeoutMs))
            throw EComError(0, "Timeout");
        return port_.ReadAnsiChar();
    });
}

// At most 11 bits a character: start, 8 data, parity, stop.
int SerialTransport::LineTimeMs(std::size_t characters) const {
    const int rate = port_.CustomBaudRate();
    return rate > 0 ? static_cast<int>((characters * 11 * 1000 + rate - 1) / rate) : 0;
}

void SerialTransport::EndExchange() {
    OnPort([this] { port_.SetActive(false); });
    Exchanged();
}

void SerialTransport::Exchanged() {
    lastExchange_ = std::chrono::steady_clock::now();
}

void SerialTransport::Close() noexcept {
    try {
        port_.SetActive(false);
    } catch (const std::exception&) {
        // Closing releases the device even when a close handler fails; nothing to report.
    }
}

void SerialTransport::Interrupt() noexcept {
    wait_.Interrupt();
}

} // namespace zephra
