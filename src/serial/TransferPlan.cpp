#include "TransferPlan.h"

#include <algorithm>

namespace zephra::serial::detail {

namespace {

constexpr std::uint32_t kMaxDword = 0xFFFFFFFFu;

std::optional<Clock::time_point> TotalDeadline(std::uint32_t multiplier, std::uint32_t constant,
                                               std::uint32_t count, Clock::time_point start) {
    if (multiplier == 0 && constant == 0) {
        return std::nullopt;
    }
    const std::uint64_t total = std::uint64_t{multiplier} * count + constant;
    return start + Milliseconds(static_cast<Milliseconds::rep>(total));
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
            plan.totalDeadline_ = start + Milliseconds(timeouts.ReadConstant);
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
        return done > 0 || now >= *totalDeadline_;
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
