#pragma once

#include "acquisition/LinkedBalance.h"

namespace zephra {

// The standard interface command set: SI CR LF asks for the weight at once
// (the filtrate never lets the balance settle, and a dynamic reading is
// valid); T CR LF tares, and when the balance refuses (the load did not
// settle) TI tares at once. Its identification is the serial number (I4).
class MtSicsBalance : public LinkedBalance {
public:
    MtSicsBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs);

    void Tare() override;
    WeightReading GetWeight() override;
    std::optional<std::string> Identify() override;
};

} // namespace zephra
