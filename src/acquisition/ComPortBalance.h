#pragma once

#include "acquisition/Balance.h"
#include "serial/ComPort.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace zephra {

// Time limit of one reply from the balance. A silent or unplugged balance
// then ends the exchange with the port's "Timeout" error instead of hanging.
inline constexpr int BalanceReplyTimeoutMs = 5000;

// Least time between the end of one exchange and the start of the next. The
// balance sends a line feed one character time (8.3 ms at 1200 bit/s) after
// the CR that ends its reply; opening the port empties the buffers only of
// what has arrived by then, so an exchange that follows at once would read
// that line feed as the first character of its reply.
inline constexpr int BalanceSettleMs = 50;

// Longest reply read. The balance's lines have 16 or 22 characters; a longer
// run of bytes without a CR (a balance printing continuously at another
// rate, say) is an unreadable reply instead of a wait without end.
inline constexpr std::size_t BalanceMaxReplyLength = 64;

// "COM" followed by the port number in decimal (3 gives "COM3", 12 "COM12").
std::string BalanceDeviceName(std::int32_t ScalePortNumber);

// The start-up set-up of the balance's port, on a closed port: 7 data bits,
// 1200 bit/s, odd parity, 1 stop bit, the device name of `ScalePortNumber`,
// and the reply time limit as the read timeout.
void ConfigureBalancePort(serial::TComPort& ComPort, std::int32_t ScalePortNumber);

// The balance protocol over the main window's port. Each exchange opens the
// port, writes the command bytes one at a time and closes it again; a weight
// request reads one reply line ending in CR before closing. Port failures are
// thrown as BalanceError, "<device name>: <port's text>", and leave the port
// as it was at the failure; `Close` then closes it. An exchange that follows the previous
// one within BalanceSettleMs first waits for the rest of that time. The
// waits (the settling time, each character of the reply) end at once when
// `Interrupt` is called from another thread.
class ComPortBalance : public Balance {
public:
    explicit ComPortBalance(serial::TComPort& ComPort);
    ~ComPortBalance() override;
    ComPortBalance(const ComPortBalance&) = delete;
    ComPortBalance& operator=(const ComPortBalance&) = delete;

    // ESC "T" CR; no reply is read.
    void Tare() override;
    // ESC "P" CR, then the reply line up to its CR (see ParseWeightReply);
    // unreadable when no CR comes within BalanceMaxReplyLength characters.
    WeightReading GetWeight() override;
    void Close() noexcept override;
    void Interrupt() noexcept override;

private:
    void SendCommand(char letter);
    char ReadReplyChar();
    // Waits up to `timeoutMs` for `fd` to be readable (no fd: -1); false when
    // the time passed. Throws BalanceInterrupted once interrupted.
    bool WaitReadable(int fd, int timeoutMs);
    void Exchanged();

    serial::TComPort& ComPort_;
    std::chrono::steady_clock::time_point lastExchange_{};
    int interruptFd_;
    std::atomic<bool> interrupted_{false};
};

} // namespace zephra
