#pragma once

#include "acquisition/LinkedBalance.h"

namespace zephra {

// OHAUS balances: IP CR LF prints the displayed weight at once, stable or
// not; T CR LF tares, with no reply read.
class OhausBalance : public LinkedBalance {
public:
    OhausBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs);

    void Tare() override;
    WeightReading GetWeight() override;
};

} // namespace zephra
