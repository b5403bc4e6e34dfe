#include "acquisition/SmaBalance.h"

#include "acquisition/SmaReply.h"

namespace zephra {

SmaBalance::SmaBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs)
    : LinkedBalance(std::move(transport), replyTimeoutMs) {}

void SmaBalance::Tare() {
    Ask("\nT\r");
}

WeightReading SmaBalance::GetWeight() {
    const std::optional<std::string> line = Ask("\nW\r");
    return line ? ParseSmaReply(*line) : UnreadableReply();
}

std::optional<std::string> SmaBalance::Identify() {
    const std::optional<std::string> line = AskQuietly("\nA\r");
    return line ? SmaAbout(*line) : std::nullopt;
}

} // namespace zephra
