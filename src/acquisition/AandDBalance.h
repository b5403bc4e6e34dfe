#pragma once

#include "acquisition/LinkedBalance.h"

namespace zephra {

// A&D balances: Q CR LF asks for the weight at once, T CR LF tares (an
// acknowledgement, when the balance is set to send one, is not read). Its
// identification is the balance's ID number (?ID).
class AandDBalance : public LinkedBalance {
public:
    AandDBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs);

    void Tare() override;
    WeightReading GetWeight() override;
    std::optional<std::string> Identify() override;
};

} // namespace zephra
