#pragma once

#include "acquisition/EscPBalance.h"
#include "serial/ComPort.h"

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

// The ESC P link on the main window's port (see EscPBalance, SerialTransport):
// each exchange opens the port, writes the command bytes one at a time and
// closes it again; a weight request reads one reply line ending in CR before
// closing. Port failures are thrown as BalanceError, "<device name>: <port's
// text>", and leave the port as it was at the failure; `Close` then closes
// it. The waits (the settling time, each character of the reply, at most
// BalanceReplyTimeoutMs) end at once when `Interrupt` is called from another
// thread.
class ComPortBalance : public EscPBalance {
public:
    explicit ComPortBalance(serial::TComPort& ComPort);
};

} // namespace zephra
