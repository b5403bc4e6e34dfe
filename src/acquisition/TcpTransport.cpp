#include "acquisition/TcpTransport.h"

#include "acquisition/Balance.h"
#include "serial/ComPort.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zephra {

namespace {

constexpr std::string_view Scheme = "tcp://";

} // namespace

bool IsNetworkAddress(std::string_view where) {
    return where.substr(0, Scheme.size()) == Scheme;
}

std::optional<TcpAddress> ParseTcpAddress(std::string_view where) {
    if (!IsNetworkAddress(where))
        return std::nullopt;
    where.remove_prefix(Scheme.size());
    const std::size_t colon = where.rfind(':');
    if (colon == std::string_view::npos || colon == 0)
        return std::nullopt;
    std::string_view host = where.substr(0, colon);
    const std::string_view portText = where.substr(colon + 1);
    if (host.front() == '[') {
        if (host.size() < 3 || host.back() != ']')
            return std::nullopt;
        host = host.substr(1, host.size() - 2);
    } else if (host.find(':') != std::string_view::npos) {
        return std::nullopt;
    }
    // A host is a name or a numeric address: printable ASCII, no blanks.
    // Anything else (a line break, a stray byte) could not be looked up and
    // would not survive balance.conf's line-based format.
    const auto outsideAHost = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= ' ' || byte >= 0x7F || c == '/' || c == '[' || c == ']';
    };
    if (std::any_of(host.begin(), host.end(), outsideAHost))
        return std::nullopt;
    int port = 0;
    const auto [end, error] =
        std::from_chars(portText.data(), portText.data() + portText.size(), port);
    if (error != std::errc() || end != portText.data() + portText.size() || port < 1 ||
        port > 65535)
        return std::nullopt;
    return TcpAddress{std::string(host), port};
}

TcpTransport::TcpTransport(std::string address, int connectTimeoutMs)
    : address_(std::move(address)), connectTimeoutMs_(connectTimeoutMs) {}

TcpTransport::~TcpTransport() {
    Close();
}

void TcpTransport::Fail(const std::string& text) {
    throw BalanceError(address_ + ": " + text);
}

void TcpTransport::FailWithErrno(int error) {
    Fail(std::strerror(error));
}

bool TcpTransport::WaitFor(short events, int timeoutMs) {
    try {
        return wait_.Wait(socket_, events, timeoutMs);
    } catch (const serial::EComError& e) {
        Fail(e.what());
    }
}

void TcpTransport::Open() {
    Close();
    const std::optional<TcpAddress> address = ParseTcpAddress(address_);
    if (!address)
        Fail("not a network address tcp://HOST:PORT");
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(address->port);
    if (const int error = getaddrinfo(address->host.c_str(), service.c_str(), &hints, &found))
        Fail(gai_strerror(error));
    const std::unique_ptr<addrinfo, void (*)(addrinfo*)> list(found, freeaddrinfo);
    OpenFirstOf(list.get());
}

void TcpTransport::OpenFirstOf(const addrinfo* addresses) {
    Close();
    std::string failure = "no address";
    for (const addrinfo* each = addresses; each != nullptr; each = each->ai_next) {
        failure = ConnectTo(*each);
        if (failure.empty())
            return;
        Close();
    }
    Fail(failure);
}

std::string TcpTransport::ConnectTo(const addrinfo& address) {
    socket_ = socket(address.ai_family, address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC,
                     address.ai_protocol);
    if (socket_ < 0)
        return std::strerror(errno);
    if (connect(socket_, address.ai_addr, address.ai_addrlen) == 0)
        return {};
    if (errno != EINPROGRESS)
        return std::strerror(errno);
    if (!WaitFor(POLLOUT, connectTimeoutMs_))
        return "Timeout";
    int result = 0;
    socklen_t length = sizeof result;
    getsockopt(socket_, SOL_SOCKET, SO_ERROR, &result, &length);
    return result == 0 ? std::string() : std::strerror(result);
}

void TcpTransport::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = send(socket_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (n > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(n));
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!WaitFor(POLLOUT, connectTimeoutMs_))
                Fail("Timeout");
        } else if (errno != EINTR) {
            FailWithErrno(errno);
        }
    }
}

char TcpTransport::ReadChar(int timeoutMs) {
    while (next_ == buffered_) {
        const ssize_t n = recv(socket_, buffer_, sizeof buffer_, 0);
        if (n > 0) {
            buffered_ = static_cast<std::size_t>(n);
            next_ = 0;
        } else if (n == 0) {
            Fail("Connection closed by the balance");
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!WaitFor(POLLIN, timeoutMs))
                Fail("Timeout");
        } else if (errno != EINTR) {
            FailWithErrno(errno);
        }
    }
    return buffer_[next_++];
}

void TcpTransport::EndExchange() {
    Close();
}

void TcpTransport::Close() noexcept {
    if (socket_ >= 0)
        close(socket_);
    socket_ = -1;
    buffered_ = 0;
    next_ = 0;
}

void TcpTransport::Interrupt() noexcept {
    wait_.Interrupt();
}

} // namespace zephra
