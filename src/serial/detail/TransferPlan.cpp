#include "serial/detail/TransferPlan.h"

#include <algorithm>

namespace zephra::serial::detail {

namespace {

constexpr std::uint32_t kMaxDword = 0xFFFFFFFFu;

/// `start` plus `total` milliseconds, or no deadline when that lies beyond
/// what the clock can hold (a total of the largest values is weeks or years).
std::optional<Clock::time_point> DeadlineAfter(Clock::time_point start, std::uint64_t total) {
    const auto room = std::chrono::floor<Milliseconds>(Clock::time_point::max() - start);
    if (total >= static_cast<std::uint64_t>(room.count())) {
        return std::nullopt;
    }
    return start + Milliseconds(static_cast<Milliseconds::rep>(total));
}

std::optional<Clock::time_point> TotalDeadline(std::uint32_t multiplier, std::uint32_t constant,
                                               std::uint32_t count, Clock::time_point start) {
    if (multiplier == 0 && constant == 0) {
        return std::nullopt;
    }
    return DeadlineAfter(start, std::uint64_t{multiplier} * count + constant);
}

} // namespace

TransferPlan TransferPlan::ForRead(const TimeoutValues& timeouts, std::uint32_t count,
                                   Clock::time_point start) {
    TransferPlan plan;
    plan.count_ = count;
    if (timeouts.ReadInterval == kMaxDword) {
        if (timeouts.ReadMultiplier == 0 && timeouts.ReadConstant == 0) {
            plan.mode_ = Mode::ReturnQueued;
            return plan;
        }
        if (timeouts.ReadMultiplier == kMaxDword && timeouts.ReadConstant != kMaxDword) {
            plan.mode_ = Mode::WaitFirstByte;
            plan.totalDeadline_ = DeadlineAfter(start, timeouts.ReadConstant);
            return plan;
        }
    } else if (timeouts.ReadInterval > 0) {
        plan.interval_ = Milliseconds(timeouts.ReadInterval);
    }
    plan.totalDeadline_ =
        TotalDeadline(timeouts.ReadMultiplier, timeouts.ReadConstant, count, start);
    return plan;
}

TransferPlan TransferPlan::ForWrite(const TimeoutValues& timeouts, std::uint32_t count,
                                    Clock::time_point start) {
    TransferPlan plan;
    plan.count_ = count;
    plan.totalDeadline_ =
        TotalDeadline(timeouts.WriteMultiplier, timeouts.WriteConstant, count, start);
    return plan;
}

void TransferPlan::BytesArrived(Clock::time_point now) {
    if (interval_) {
        intervalDeadline_ = now + *interval_;
    }
}

bool TransferPlan::Finished(std::uint32_t done, Clock::time_point now) const {
    if (done >= count_) {
        return true;
    }
    switch (mode_) {
    case Mode::ReturnQueued:
        return true;
    case Mode::WaitFirstByte:
        return done > 0 || (totalDeadline_ && now >= *totalDeadline_);
    case Mode::WaitAll:
        break;
    }
    return (totalDeadline_ && now >= *totalDeadline_) ||
           (intervalDeadline_ && now >= *intervalDeadline_);
}

std::optional<Milliseconds> TransferPlan::WaitLimit(std::uint32_t done,
                                                    Clock::time_point now) const {
    std::optional<Clock::time_point> deadline = totalDeadline_;
    if (intervalDeadline_ && done > 0) {
        deadline = deadline ? std::min(*deadline, *intervalDeadline_) : *intervalDeadline_;
    }
    if (!deadline) {
        return std::nullopt;
    }
    if (*deadline <= now) {
        return Milliseconds(0);
    }
    // Round up so that a wait never ends just before its deadline.
    return std::chrono::ceil<Milliseconds>(*deadline - now);
}

} // namespace zephra::serial::detail
