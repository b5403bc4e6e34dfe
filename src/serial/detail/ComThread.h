#pragma once

#include "serial/detail/DispatchGate.h"
#include "serial/detail/LineEventTracker.h"
#include "serial/detail/LineEvents.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

namespace zephra::serial {
class TCustomComPort;
}

namespace zephra::serial::detail {

/// The event thread of a port: waits for line events of the open device and
/// dispatches them to the port's handlers, on the main thread when the port
/// synchronises its events.
///
/// The thread is never joined. Stopping (`Terminate`) forgets the port and
/// ends the thread's wait at once; the thread then ends on its own and the
/// object goes with the last reference. The thread looks at the port and the
/// device only under the object's lock after checking that the port has not
/// been forgotten, so a closed or destroyed port is never touched. Handlers
/// run without that lock, so that stopping never waits for them. The port's
/// dispatch gate lets one of its event threads dispatch at a time, and a
/// handler run counts there, so that destroying the port waits for it.
class TComThread : public std::enable_shared_from_this<TComThread> {
public:
    /// The thread for `ComPort` that waits on `Source` for the events of
    /// `Mask` (`detail::LineEventBits`), not yet running.
    static std::shared_ptr<TComThread> Create(TCustomComPort* ComPort,
                                              std::unique_ptr<detail::LineEventSource> Source,
                                              std::uint32_t Mask);
    /// Starts the thread. Throws std::system_error when no thread can be created.
    void Start();

    /// Asks the thread to end and forgets the port. Returns without waiting
    /// for a handler running on the thread, but only once the thread's wait
    /// on the device has ended (at once, as it is woken): the wait holds the
    /// open device, which the port may close and open again right after.
    void Terminate();
    /// Whether the thread has ended, or is ending after an error and waits no more.
    bool Finished() const { return finished_; }
    /// The events to wait for; a running wait ends and starts again with them.
    void SetMask(std::uint32_t Mask);
    /// The port has handed output to the device: the next empty transmit
    /// queue is a TxEmpty event.
    void ArmTxEmpty() { txArmed_ = true; }

    /// On an event thread that still serves `ComPort`: hands a `Close` of
    /// that port to the main thread and returns True. Otherwise False.
    static bool PassCloseToMainThread(TCustomComPort* ComPort);

private:
    TComThread(TCustomComPort* ComPort, std::unique_ptr<detail::LineEventSource> Source,
               std::uint32_t Mask, bool Synchronize, std::shared_ptr<detail::DispatchGate> Gate);
    void Execute();
    /// One wait and what follows it; False when the thread is to end.
    bool WaitEventStep();
    void Dispatch(std::uint32_t events);
    void ReportError(int error);
    /// Reads the device's queues and counters, with the bytes the port has
    /// read so far. Under mutex_ with the port not forgotten.
    int Look(bool withModemLines, detail::LineSnapshot& snapshot);
    /// Runs `call` with the port on the main thread (or here when not
    /// synchronising), unless the port has been forgotten by then.
    template <typename Call> void WithPort(bool onMainThread, Call call);
    /// Runs `call` with the port here, unless the port has been forgotten or
    /// is being destroyed; the port stays alive until `call` returns.
    template <typename Call> void CallWithPort(const Call& call);

    std::mutex mutex_;     ///< held only briefly, never while a handler or a main-thread call runs
    std::mutex waiting_;   ///< held by the thread from its last look at the port through its wait
    TCustomComPort* port_; ///< guarded by mutex_; null once terminated
    std::unique_ptr<detail::LineEventSource> source_; ///< device calls under mutex_
    detail::LineEventTracker tracker_;                ///< the thread's own
    const bool synchronize_;
    const std::shared_ptr<detail::DispatchGate> gate_;
    std::atomic<std::uint32_t> mask_;
    std::atomic<bool> txArmed_{false};
    std::atomic<bool> finished_{false};
};

} // namespace zephra::serial::detail
