#include "acquisition/BalanceExchanges.h"

namespace zephra {

ExchangeOutcome Exchange(Balance& balance, RunClock& clock, bool tare) {
    ExchangeOutcome outcome;
    try {
        if (tare)
            balance.Tare();
        outcome.requestMs = clock.NowMs();
        outcome.reading = balance.GetWeight();
    } catch (const BalanceError& e) {
        outcome.linkError = e.what();
        outcome.linkGone = e.Gone();
        // A failed exchange leaves the port as it was at the failure.
        balance.Close();
    }
    outcome.replyMs = clock.NowMs();
    return outcome;
}

} // namespace zephra
