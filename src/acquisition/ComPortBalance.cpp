#include "acquisition/ComPortBalance.h"

#include "acquisition/WeightReply.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace zephra {

using serial::EComError;

std::string BalanceDeviceName(std::int32_t ScalePortNumber) {
    return "COM" + std::to_string(ScalePortNumber);
}

void ConfigureBalancePort(serial::TComPort& ComPort, std::int32_t ScalePortNumber) {
    ComPort.SetDataBits(serial::TDataBits::db7);
    ComPort.SetBaudRate(serial::TBaudRate::br1200);
    ComPort.SetParity(serial::TParity::paOdd);
    ComPort.SetStopBits(serial::TStopBits::sb1);
    ComPort.SetDeviceName(BalanceDeviceName(ScalePortNumber));
    ComPort.Timeouts().SetReadConstant(BalanceReplyTimeoutMs);
}

ComPortBalance::ComPortBalance(serial::TComPort& ComPort)
    : ComPort_(ComPort), interruptFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

ComPortBalance::~ComPortBalance() {
    if (interruptFd_ >= 0)
        close(interruptFd_);
}

void ComPortBalance::Interrupt() noexcept {
    interrupted_ = true;
    if (interruptFd_ >= 0)
        (void)eventfd_write(interruptFd_, 1);
}

bool ComPortBalance::WaitReadable(int fd, int timeoutMs) {
    pollfd waits[2] = {{interruptFd_, POLLIN, 0}, {fd, POLLIN, 0}};
    int ready = -1;
    while (!interrupted_ && ready < 0) {
        ready = poll(waits, fd >= 0 ? 2 : 1, timeoutMs);
        if (ready < 0 && errno != EINTR)
            throw serial::EComError(errno, std::strerror(errno));
    }
    if (interrupted_)
        throw BalanceInterrupted();
    return ready > 0;
}

void ComPortBalance::SendCommand(char letter) {
    const auto settled = lastExchange_ + std::chrono::milliseconds(BalanceSettleMs);
    const auto wait =
        std::chrono::ceil<std::chrono::milliseconds>(settled - std::chrono::steady_clock::now());
    if (wait.count() > 0)
        WaitReadable(-1, static_cast<int>(wait.count()));
    ComPort_.SetActive(true);
    ComPort_.WriteAnsiChar('\x1b');
    ComPort_.WriteAnsiChar(letter);
    ComPort_.WriteAnsiChar('\r');
}

void ComPortBalance::Tare() {
    try {
        SendCommand('T');
        ComPort_.SetActive(false);
        Exchanged();
    } catch (const EComError& e) {
        Exchanged();
        throw BalanceError(ComPort_.DeviceName() + ": " + e.what());
    }
}

WeightReading ComPortBalance::GetWeight() {
    std::string line;
    try {
        SendCommand('P');
        while (line.size() < BalanceMaxReplyLength && (line.empty() || line.back() != '\r'))
            line += ReadReplyChar();
        ComPort_.SetActive(false);
        Exchanged();
    } catch (const EComError& e) {
        Exchanged();
        throw BalanceError(ComPort_.DeviceName() + ": " + e.what());
    }
    WeightReading reading = ParseWeightReply(line);
    reading.Error = reading.Error || line.back() != '\r';
    return reading;
}

// Waits for the next character beside the interruption, within the port's
// own reply limit; the character itself is then read by the port at once.
char ComPortBalance::ReadReplyChar() {
    if (!WaitReadable(ComPort_.Handle(), BalanceReplyTimeoutMs))
        throw serial::EComError(0, "Timeout");
    return ComPort_.ReadAnsiChar();
}

void ComPortBalance::Exchanged() {
    lastExchange_ = std::chrono::steady_clock::now();
}

void ComPortBalance::Close() noexcept {
    try {
        ComPort_.SetActive(false);
    } catch (const std::exception&) {
        // Closing releases the device even when a close handler fails; nothing to report.
    }
}

} // namespace zephra
