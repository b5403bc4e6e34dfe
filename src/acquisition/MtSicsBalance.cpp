#include "acquisition/MtSicsBalance.h"

#include "acquisition/MtSicsReply.h"

namespace zephra {

MtSicsBalance::MtSicsBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs)
    : LinkedBalance(std::move(transport), replyTimeoutMs) {}

void MtSicsBalance::Tare() {
    const std::optional<std::string> reply = Ask("T\r\n");
    if (!reply || !MtSicsTared(*reply))
        Ask("TI\r\n");
}

WeightReading MtSicsBalance::GetWeight() {
    const std::optional<std::string> line = Ask("SI\r\n");
    return line ? ParseMtSicsReply(*line) : UnreadableReply();
}

std::optional<std::string> MtSicsBalance::Identify() {
    const std::optional<std::string> line = AskQuietly("I4\r\n");
    const std::optional<std::string> serial = line ? MtSicsSerialNumber(*line) : std::nullopt;
    if (!serial)
        return std::nullopt;
    return "serial number " + *serial;
}

} // namespace zephra
