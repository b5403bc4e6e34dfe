#pragma once

#include "acquisition/LinkedBalance.h"

namespace zephra {

// A balance that prints its readings on its own, line after line: nothing
// is sent. A weight is the first line that is complete after the moment of
// the request (see ParseContinuousLine). Taring does nothing: the run
// weighs from the first reading it takes.
class ContinuousBalance : public LinkedBalance {
public:
    ContinuousBalance(std::unique_ptr<BalanceTransport> transport, int replyTimeoutMs);

    void Tare() override;
    WeightReading GetWeight() override;
};

} // namespace zephra
