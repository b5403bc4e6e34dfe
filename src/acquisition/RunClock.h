#pragma once

#include <cstdint>
#include <ctime>

namespace zephra {

// The clock of a collection run, in milliseconds from an arbitrary origin.
// Only differences are used. Safe to read from any thread.
class RunClock {
public:
    virtual ~RunClock() = default;
    virtual std::int64_t NowMs() = 0;
    // The computer's wall-clock time, kept as the time a trial started.
    virtual std::time_t WallTime() { return std::time(nullptr); }
};

// The real clock: time since the computer started, suspended time included,
// so that a reading after the computer slept gets its true time. Changing
// the computer's time does not move it.
class BootTimeRunClock : public RunClock {
public:
    std::int64_t NowMs() override;
};

} // namespace zephra
