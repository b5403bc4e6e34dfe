#pragma once

#include "acquisition/BalanceTransport.h"
#include "acquisition/InterruptibleWait.h"

#include <netdb.h>
#include <optional>
#include <string>
#include <string_view>

namespace zephra {

// A network address of a balance, "tcp://HOST:PORT" (HOST a name, an IPv4
// address or an IPv6 address in brackets; PORT 1 to 65535).
struct TcpAddress {
    std::string host;
    int port = 0;
};

// Whether `where` names a balance on the network (starts with "tcp://").
bool IsNetworkAddress(std::string_view where);
// The address in `where`; nothing unless it is a whole tcp://HOST:PORT.
std::optional<TcpAddress> ParseTcpAddress(std::string_view where);

// A balance on the network, or a serial device server in front of one. Each
// exchange connects, talks and disconnects, with the same time limit for
// the connection (to each address the host name gives, in turn, until one
// accepts) as for a reply. A refused connection, one that the balance
// resets or closes, and a silent balance are thrown as BalanceError
// ("tcp://10.0.0.5:4001: Connection refused").
class TcpTransport : public BalanceTransport {
public:
    // `address` must be a network address (see ParseTcpAddress); a wrong one
    // fails at the first exchange.
    TcpTransport(std::string address, int connectTimeoutMs);
    ~TcpTransport() override;

    std::string Name() const override { return address_; }
    void Open() override;
    void Write(std::string_view bytes) override;
    char ReadChar(int timeoutMs) override;
    void EndExchange() override;
    void Close() noexcept override;
    void Interrupt() noexcept override;
    // Connects to the first of `addresses` (as getaddrinfo lists them) that
    // accepts; the failure of the last one is thrown when none does.
    void OpenFirstOf(const addrinfo* addresses);

private:
    // Connects to `address`: empty, or the failure's text.
    std::string ConnectTo(const addrinfo& address);
    // Waits for `events` on the socket; false when the time passed.
    bool WaitFor(short events, int timeoutMs);
    [[noreturn]] void Fail(const std::string& text);
    [[noreturn]] void FailWithErrno(int error);

    std::string address_;
    int connectTimeoutMs_;
    InterruptibleWait wait_;
    int socket_ = -1;
    char buffer_[256];
    std::size_t buffered_ = 0;
    std::size_t next_ = 0;
};

} // namespace zephra
