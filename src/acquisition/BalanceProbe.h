#pragma once

#include "acquisition/Balance.h"
#include "acquisition/BalanceDialect.h"
#include "acquisition/BalanceProfile.h"
#include "acquisition/LinkedBalance.h"

#include <mutex>
#include <optional>
#include <string>

namespace zephra {

// Time limit of each reply while detecting: short, so that trying every
// dialect stays within a few seconds.
inline constexpr int ProbeReplyTimeoutMs = 700;

// "The balance's port could not be opened (<the link's error>).", in the
// program's language.
std::string PortUnopenedText(const std::string& linkError);

// A balance found by detection.
struct DetectedBalance {
    BalanceDialect dialect = BalanceDialect::EscP;
    WeightReading reading;
    std::string identity; // what the balance says about itself, or empty
};

// Short exchanges with a balance outside a collection run: detecting its
// dialect, reading one weight. They run on the calling thread and use a
// port of their own; `Interrupt`, from any thread, ends them at once with
// BalanceInterrupted, for good.
class BalanceProbe {
public:
    // `where`: a COM name, a device path or tcp://HOST:PORT.
    explicit BalanceProbe(std::string where);

    // Tries each dialect at its default line settings: asks for its
    // identification where the family has one, then for a weight. The first
    // that answers with a weight is the balance; nothing when none does.
    // Continuous printing is tried first, as its lines would answer any
    // other dialect's request. A port that cannot be opened is thrown at
    // once as BalanceError, saying so and why (PortUnopenedText).
    std::optional<DetectedBalance> Detect();
    // One weight from the balance of `profile` (its address is not used:
    // `where` is). Failures of the link are thrown as BalanceError.
    WeightReading Read(const BalanceProfile& profile);
    void Interrupt() noexcept;

private:
    // Runs `exchange` on a balance of `profile` at `where`, reachable by
    // `Interrupt` meanwhile.
    template <typename Exchange>
    auto WithBalance(const BalanceProfile& profile, int replyTimeoutMs, Exchange exchange);

    std::string where_;
    std::mutex mutex_;
    LinkedBalance* current_ = nullptr;
    bool interrupted_ = false;
};

} // namespace zephra
