#include "acquisition/AandDBalance.h"

#include "acquisition/AandDReply.h"

namespace zephra {

AandDBalance::AandDBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs)
    : LinkedBalance(std::move(transport), replyTimeoutMs) {}

void AandDBalance::Tare() {
    Send("T\r\n");
}

WeightReading AandDBalance::GetWeight() {
    const std::optional<std::string> line = Ask("Q\r\n");
    return line ? ParseAandDReply(*line) : UnreadableReply();
}

std::optional<std::string> AandDBalance::Identify() {
    const std::optional<std::string> line = AskQuietly("?ID\r\n");
    const std::optional<std::string> id = line ? AandDIdentifier(*line) : std::nullopt;
    if (!id)
        return std::nullopt;
    return "ID " + *id;
}

} // namespace zephra
