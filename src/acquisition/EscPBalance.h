#pragma once

#include "acquisition/LinkedBalance.h"

#include <string>

namespace zephra {

// The ESC P link: ESC "P" CR asks for the weight, answered by one line
// ending in CR (see ParseWeightReply), which is unreadable when no CR comes
// within BalanceMaxReplyLength characters; ESC "T" CR tares, with no reply
// read. Each command byte is written on its own. A reply in motion carries
// no unit: its value is taken in the unit of the latest reply that had one
// (grams until then), since a balance does not change its unit mid-weighing.
class EscPBalance : public LinkedBalance {
public:
    EscPBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs);

    void Tare() override;
    WeightReading GetWeight() override;

private:
    std::string unitInMotion_ = "g";
};

} // namespace zephra
