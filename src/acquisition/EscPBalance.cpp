#include "acquisition/EscPBalance.h"

#include "acquisition/ComPortBalance.h"
#include "acquisition/WeightReply.h"

namespace zephra {

EscPBalance::EscPBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs)
    : LinkedBalance(std::move(transport), replyTimeoutMs) {}

void EscPBalance::Tare() {
    Send("\x1bT\r");
}

WeightReading EscPBalance::GetWeight() {
    std::string line;
    OpenExchange();
    Link().Write("\x1bP\r");
    while (line.size() < BalanceMaxReplyLength && (line.empty() || line.back() != '\r'))
        line += ReadChar();
    Link().EndExchange();
    WeightReading reading = ParseWeightReply(line, unitInMotion_);
    reading.Error = reading.Error || line.back() != '\r';
    if (!reading.Error && !reading.Unit.empty())
        unitInMotion_ = reading.Unit;
    return reading;
}

} // namespace zephra
