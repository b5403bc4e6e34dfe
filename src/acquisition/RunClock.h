#pragma once

#include <chrono>
#include <cstdint>

namespace zephra {

// The clock of a collection run, in milliseconds from an arbitrary origin.
// Only differences are used, so a monotonic clock serves: changing the
// computer's time during a run does not disturb the schedule.
class RunClock {
public:
    virtual ~RunClock() = default;
    virtual std::int64_t NowMs() = 0;
};

// The real clock.
class SteadyRunClock : public RunClock {
public:
    std::int64_t NowMs() override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

} // namespace zephra
