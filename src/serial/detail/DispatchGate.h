#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace zephra::serial::detail {

/// What a port shares with the handler runs of its event threads.
///
/// It lets one event thread of the port dispatch at a time, also when the
/// port was closed and opened again while a handler of the old thread still
/// runs; it counts the handler runs in progress, so that destroying the port
/// can wait for those on other threads; and once the port's destruction has
/// begun it lets no run start and tells the running ones to stop.
class DispatchGate {
public:
    /// One dispatch of an event thread, held on that thread until the
    /// handlers have returned, also while they run on the main thread.
    class Turn {
    public:
        explicit Turn(DispatchGate& gate) : lock_(gate.turn_) {}

    private:
        std::lock_guard<std::mutex> lock_;
    };

    /// One run of handlers (or of a close handed to the main thread), from
    /// construction to destruction, on the thread that calls them; the port
    /// stays alive while it lasts. Construct it only while the port is known
    /// to be alive; once its destruction has begun, the run does not enter.
    class Run {
    public:
        explicit Run(DispatchGate& gate);
        ~Run();
        Run(const Run&) = delete;
        Run& operator=(const Run&) = delete;

        /// False when the port's destruction had begun: nothing may use the port.
        bool Entered() const { return entered_; }

    private:
        friend class DispatchGate;
        DispatchGate& gate_;
        const Run* outer_; ///< the run of the same thread this one is nested in
        bool entered_ = false;
    };

    /// The port's destruction begins: no run enters any more, and one in
    /// progress stops after the handler it is in.
    void MarkPortDestroyed();
    bool PortDestroyed() const { return destroyed_; }
    /// Waits until no run is in progress on another thread. Runs of the
    /// calling thread (a handler further up its stack that destroys its port)
    /// could never end first and are not waited for.
    void WaitIdle();

private:
    /// The runs of this gate the calling thread is in.
    int RunsOfThisThread() const;

    std::mutex turn_;
    std::mutex mutex_;
    std::condition_variable idle_;
    int running_ = 0;
    std::atomic<bool> destroyed_{false};
};

} // namespace zephra::serial::detail
