#pragma once

#include "acquisition/Balance.h"
#include "acquisition/RunClock.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zephra {

// What one exchange with the balance gave.
struct ExchangeOutcome {
    WeightReading reading;      // meaningful only when linkError is empty
    std::string linkError;      // the text of a BalanceError; empty when the link worked
    bool linkGone = false;      // the BalanceError said the balance's device is gone
    std::int64_t requestMs = 0; // the run clock right before the weight request
    std::int64_t replyMs = 0;   // the run clock right after the reply
};

// One exchange on `balance`, on the calling thread: the tare command first
// when `tare`, then a weight request; the clock is read before the request
// (after the tare) and after the reply. A
// failing link is returned in `linkError`; BalanceInterrupted goes through.
ExchangeOutcome Exchange(Balance& balance, RunClock& clock, bool tare);

// Exchanges with the balance that run while their caller goes on: the
// caller begins one, then asks for its outcome on later occasions, never
// waiting for it. At most one exchange is pending at a time. The port is
// closed whenever no exchange is pending.
class BalanceExchanges {
public:
    virtual ~BalanceExchanges() = default;

    // Begins an exchange (see Exchange).
    virtual void Begin(bool tare) = 0;
    // The outcome of the exchange begun last, once; nothing while it is pending.
    virtual std::optional<ExchangeOutcome> TakeOutcome() = 0;
    // Gives up a pending exchange: its wait ends at once, its outcome is
    // dropped, and the port is closed as it ends. No exchange begins after.
    virtual void Release() noexcept = 0;
    // Whether nothing runs on the port any more, after Release.
    virtual bool Released() const = 0;
};

} // namespace zephra
