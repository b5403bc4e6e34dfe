#pragma once

#include "acquisition/Balance.h"
#include "acquisition/BalanceTransport.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace zephra {

// A balance of one dialect over a transport (serial port or network): the
// common steps of the dialects' exchanges. Each exchange has one deadline:
// from the moment the link is open, everything it reads must arrive within
// `replyTimeoutMs` and the time the longest reply takes on the line, however
// the balance spreads its bytes.
class LinkedBalance : public Balance {
public:
    LinkedBalance(const LinkedBalance&) = delete;
    LinkedBalance& operator=(const LinkedBalance&) = delete;

    void Close() noexcept override;
    void Interrupt() noexcept override;
    // The link as the user names it ("COM3", "tcp://10.0.0.5:4001").
    std::string LinkName() const { return transport_->Name(); }
    // What the balance says about itself (model, serial number) where its
    // family has a command for it; nothing otherwise, or when it does not
    // answer. Link failures are not thrown; the interruption is.
    virtual std::optional<std::string> Identify() { return std::nullopt; }
    // Opens the link and closes it again, saying nothing to the balance;
    // a link that cannot be opened is thrown as BalanceError.
    void OpenAndClose();

protected:
    LinkedBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs);

    BalanceTransport& Link() { return *transport_; }
    // Opens the link for one exchange and starts the exchange's deadline.
    void OpenExchange();
    // Within an exchange: the next character from the balance; "Timeout"
    // when none came before the exchange's deadline.
    char ReadChar();
    // One exchange that sends `request` and reads nothing.
    void Send(std::string_view request);
    // One exchange that sends `request` and reads one reply line (see ReadLine).
    std::optional<std::string> Ask(std::string_view request);
    // Within an exchange: the next line, without its line end (CR, LF or
    // both) and without the line ends and acknowledgements (ACK) before it;
    // nothing when no line end comes within BalanceMaxReplyLength characters.
    std::optional<std::string> ReadLine();
    // `Ask`, with link failures given as nothing (for identification).
    std::optional<std::string> AskQuietly(std::string_view request);

private:
    std::unique_ptr<BalanceTransport> transport_;
    int replyTimeoutMs_;
    std::chrono::steady_clock::time_point deadline_{};
};

// A reply that gave no weight and no condition.
WeightReading UnreadableReply();

} // namespace zephra
