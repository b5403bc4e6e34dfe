#include "acquisition/OhausBalance.h"

#include "acquisition/OhausReply.h"

namespace zephra {

OhausBalance::OhausBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs)
    : LinkedBalance(std::move(transport), replyTimeoutMs) {}

void OhausBalance::Tare() {
    Send("T\r\n");
}

WeightReading OhausBalance::GetWeight() {
    const std::optional<std::string> line = Ask("IP\r\n");
    return line ? ParseOhausReply(*line) : UnreadableReply();
}

} // namespace zephra
