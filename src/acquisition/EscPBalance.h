#pragma once

#include "acquisition/LinkedBalance.h"

namespace zephra {

// The ESC P link: ESC "P" CR asks for the weight, answered by one line
// ending in CR (see ParseWeightReply), which is unreadable when no CR comes
// within BalanceMaxReplyLength characters; ESC "T" CR tares, with no reply
// read. Each command byte is written on its own.
class EscPBalance : public LinkedBalance {
public:
    EscPBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs);

    void Tare() override;
    WeightReading GetWeight() override;
};

} // namespace zephra
