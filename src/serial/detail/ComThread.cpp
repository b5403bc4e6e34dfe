#include "serial/detail/ComThread.h"

#include "serial/ComPort.h"
#include "serial/MainThreadDispatcher.h"

#include <cerrno>
#include <chrono>
#include <thread>

namespace zephra::serial::detail {

namespace {

/// Longest wait between two looks at the device: modem lines, the transmit
/// queue and unread input are seen at least this often.
constexpr std::chrono::milliseconds kTick(15);

/// The object of the event thread running on this thread, if any.
thread_local TComThread* tCurrentThread = nullptr;

/// Errors that mean the device has gone (adapter unplugged, other end of a
/// pseudo-terminal closed): the port is closed after reporting them.
bool DeviceGone(int error) {
    return error == EIO || error == ENXIO || error == ENODEV;
}

bool WantsModemLines(std::uint32_t mask) {
    return (mask & (detail::evCTS | detail::evDSR | detail::evRLSD | detail::evRing)) != 0;
}

void ShowCurrentException() {
    MainThreadDispatcher().ShowException(std::current_exception());
}

} // namespace

TComThread::TComThread(TCustomComPort* ComPort, std::unique_ptr<detail::LineEventSource> Source,
                       std::uint32_t Mask, bool Synchronize,
                       std::shared_ptr<detail::DispatchGate> Gate)
    : port_(ComPort), source_(std::move(Source)), synchronize_(Synchronize), gate_(std::move(Gate)),
      mask_(Mask) {
    // Only what happens from now on is an event, as for a freshly set mask.
    detail::LineSnapshot snapshot;
    if (Look(WantsModemLines(Mask), snapshot) == 0) {
        tracker_ = detail::LineEventTracker(snapshot);
    }
}

template <typename Call> void TComThread::CallWithPort(const Call& call) {
    std::unique_lock lock(mutex_);
    TCustomComPort* port = port_;
    if (port == nullptr) {
        return;
    }
    // The call runs without the lock, so closing the port never waits for
    // it; the gate keeps the port from being destroyed under it.
    const detail::DispatchGate::Run running(*gate_);
    if (!running.Entered()) {
        return;
    }
    lock.unlock();
    call(*port);
}

std::shared_ptr<TComThread> TComThread::Create(TCustomComPort* ComPort,
                                               std::unique_ptr<detail::LineEventSource> Source,
                                               std::uint32_t Mask) {
    return std::shared_ptr<TComThread>(new TComThread(
        ComPort, std::move(Source), Mask, ComPort->SynchronizeEvents(), ComPort->FDispatchGate));
}

void TComThread::Start() {
    // The running thread keeps its object alive; the port may let go at any time.
    std::thread([self = shared_from_this()] { self->Execute(); }).detach();
}

void TComThread::Terminate() {
    {
        std::lock_guard lock(mutex_);
        port_ = nullptr;
    }
    source_->Wake();
    // Once the wait has let go of the device, the thread never touches it again.
    const std::lock_guard waited(waiting_);
}

void TComThread::SetMask(std::uint32_t Mask) {
    mask_ = Mask;
    source_->Wake();
}

bool TComThread::PassCloseToMainThread(TCustomComPort* ComPort) {
    TComThread* current = tCurrentThread;
    if (current == nullptr || MainThreadDispatcher().IsMainThread()) {
        return false;
    }
    {
        std::lock_guard lock(current->mutex_);
        if (current->port_ != ComPort) {
            return false;
        }
    }
    // Queued rather than waited for: the handler that asks may be one the
    // main thread is waiting for.
    MainThreadDispatcher().Queue([self = current->shared_from_this()] {
        self->CallWithPort([](TCustomComPort& port) {
            try {
                port.Close();
            } catch (...) {
                ShowCurrentException();
            }
        });
    });
    return true;
}

void TComThread::Execute() {
    tCurrentThread = this;
    while (WaitEventStep()) {
    }
    finished_ = true;
}

bool TComThread::WaitEventStep() {
    detail::WaitOutcome outcome = detail::WaitOutcome::Ready;
    int error = 0;
    {
        const std::lock_guard waiting(waiting_);
        bool forInput = false;
        {
            std::lock_guard lock(mutex_);
            if (port_ == nullptr) {
                return false;
            }
            // Input that handlers leave unread keeps the descriptor readable;
            // the tick then finds new bytes without spinning.
            forInput = !tracker_.InputQueued();
        }
        error = source_->Wait(forInput, kTick, outcome);
    }
    std::uint32_t events = 0;
    {
        std::lock_guard lock(mutex_);
        if (port_ == nullptr) {
            return false;
        }
        if (error == 0 && outcome == detail::WaitOutcome::HungUp) {
            error = EIO;
        }
        if (error == 0) {
            // Armed before the look, so output handed over after it waits for the next one.
            if (txArmed_.exchange(false)) {
                tracker_.ArmTxEmpty();
            }
            detail::LineSnapshot snapshot;
            error = Look(WantsModemLines(mask_), snapshot);
            if (error == 0) {
                events = tracker_.Update(snapshot) & mask_;
            }
        }
    }
    if (error != 0) {
        // Ending from here on: a mask change while the error is being reported
        // must already see that this thread waits no more.
        finished_ = true;
        ReportError(error);
        return false;
    }
    if (events != 0) {
        Dispatch(events);
    }
    return true;
}

int TComThread::Look(bool withModemLines, detail::LineSnapshot& snapshot) {
    // Discarding input never falls between the count and the queue.
    const std::lock_guard input(port_->FInputLock);
    // Taken before the queue is read: a read in between can only make the
    // bytes received so far look fewer, which never hides a new one.
    const std::uint64_t taken = port_->FInputTaken;
    const int error = source_->Snapshot(withModemLines, snapshot);
    snapshot.inputTaken = taken;
    return error;
}

template <typename Call> void TComThread::WithPort(bool onMainThread, Call call) {
    const std::shared_ptr<TComThread> self = shared_from_this();
    // The thread of a port closed and opened again waits here while a
    // handler of the old one still runs.
    const detail::DispatchGate::Turn turn(*gate_);
    const auto run = [self, &call] { self->CallWithPort(call); };
    if (onMainThread) {
        MainThreadDispatcher().Synchronize(run);
    } else {
        run();
    }
}

void TComThread::Dispatch(std::uint32_t events) {
    WithPort(synchronize_, [events](TCustomComPort& port) {
        port.FEventMask = events;
        port.DispatchEvents();
    });
}

void TComThread::ReportError(int error) {
    WithPort(true, [error](TCustomComPort& port) {
        port.FThreadError = error;
        try {
            port.RaiseThreadError();
        } catch (...) {
            ShowCurrentException();
        }
    });
    if (DeviceGone(error)) {
        WithPort(true, [](TCustomComPort& port) {
            try {
                port.Close();
            } catch (...) {
                ShowCurrentException();
            }
        });
    }
}

} // namespace zephra::serial::detail
