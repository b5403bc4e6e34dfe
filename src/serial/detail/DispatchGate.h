#pragma once

#include <condition_variable>
#include <mutex>

namespace zephra::serial::detail {

/// Counts the handler runs of a port's event threads that are in progress,
/// so that destroying the port can wait until none of them uses it any more.
class DispatchGate {
public:
    /// One run, from construction to destruction. Construct it only while the
    /// port is known to be alive.
    class Run {
    public:
        explicit Run(DispatchGate& gate);
        ~Run();
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

    private:
        DispatchGate& gate_;
        DispatchGate* outer_;
    };

    /// Waits until no run is in progress; returns at once when called from
    /// within a run of this gate, which could never end otherwise.
    void WaitIdle();

private:
    std::mutex mutex_;
    std::condition_variable idle_;
    int running_ = 0;
};

} // namespace zephra::serial::detail
