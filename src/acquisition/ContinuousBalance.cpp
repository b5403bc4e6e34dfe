#include "acquisition/ContinuousBalance.h"

#include "acquisition/ContinuousReply.h"

namespace zephra {

ContinuousBalance::ContinuousBalance(std::unique_ptr<BalanceTransport> transport,
                                     int replyTimeoutMs)
    : LinkedBalance(std::move(transport), replyTimeoutMs) {}

void ContinuousBalance::Tare() {}

WeightReading ContinuousBalance::GetWeight() {
    OpenExchange();
    // The line under way when the link opened is only a part.
    std::optional<std::string> line = ReadLine();
    if (line)
        line = ReadLine();
    Link().EndExchange();
    return line ? ParseContinuousLine(*line) : UnreadableReply();
}

} // namespace zephra
