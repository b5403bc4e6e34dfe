#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zephra {

// The way bytes go to and from a balance: a serial port or a network
// connection. Each exchange opens the link, writes, reads and ends it again.
// Failures are thrown as BalanceError ("<name>: <text>"); once `Interrupt`
// was called every wait throws BalanceInterrupted. Every member but
// `Interrupt` belongs to the thread that does the exchanges.
class BalanceTransport {
public:
    virtual ~BalanceTransport() = default;

    // The link as the user names it: "COM3", "/dev/ttyUSB0", "tcp://10.0.0.5:4001".
    virtual std::string Name() const = 0;
    // Opens the link for an exchange; nothing the balance sent before is read.
    virtual void Open() = 0;
    virtual void Write(std::string_view bytes) = 0;
    // The next byte from the balance; "Timeout" when none comes within `timeoutMs`.
    virtual char ReadChar(int timeoutMs) = 0;
    // How long `characters` take to travel the link at its own rate (a
    // serial line's), beside any wait for the balance; 0 for a link without
    // a rate of its own.
    virtual int LineTimeMs(std::size_t characters) const {
        (void)characters;
        return 0;
    }
    // Ends the exchange and closes the link.
    virtual void EndExchange() = 0;
    // Makes sure the link is closed, also after a failure. Never throws.
    virtual void Close() noexcept = 0;
    // Safe from any thread: see above. For good.
    virtual void Interrupt() noexcept = 0;
};

} // namespace zephra
