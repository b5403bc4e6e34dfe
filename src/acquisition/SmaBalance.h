#pragma once

#include "acquisition/LinkedBalance.h"

namespace zephra {

// The SMA standard scale protocol: LF W CR asks for the displayed weight,
// LF T CR tares and is answered with the weight after taring (read and
// not used). Its identification is the about reply (LF A CR).
class SmaBalance : public LinkedBalance {
public:
    SmaBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs);

    void Tare() override;
    WeightReading GetWeight() override;
    std::optional<std::string> Identify() override;
};

} // namespace zephra
