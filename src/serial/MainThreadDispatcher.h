#pragma once

#include <exception>
#include <functional>

namespace zephra::serial {

/// How the component reaches the program's main thread: the event thread runs
/// line-event handlers, thread errors and the close after a device removal
/// there, and device arrival and removal are reported there.
///
/// The program installs one with `SetMainThreadDispatcher` at start-up. Without
/// one every thread counts as the main thread: calls run at once on the thread
/// that makes them (handlers then run on the event thread or the device watcher).
class TMainThreadDispatcher {
public:
    virtual ~TMainThreadDispatcher() = default;

    /// Runs `Call` on the main thread and returns when it has run; on the main
    /// thread it runs at once. An exception thrown by `Call` is thrown again
    /// to the caller.
    virtual void Synchronize(const std::function<void()>& Call) = 0;
    /// Runs `Call` on the main thread later and returns at once. Any thread.
    virtual void Queue(std::function<void()> Call) = 0;
    /// Whether the calling thread is the main thread.
    virtual bool IsMainThread() const = 0;
    /// Shows an error that no caller can receive (a handler's exception on the
    /// event thread) in the program's general error display; ignores `EAbort`.
    /// Any thread.
    virtual void ShowException(std::exception_ptr Error) = 0;
};

/// Installs `Dispatcher` for every port; nullptr restores the default. The
/// dispatcher is not owned and must outlive every port and event thread.
void SetMainThreadDispatcher(TMainThreadDispatcher* Dispatcher);

/// The installed dispatcher, or the default that runs calls at once and writes
/// errors to the standard error stream.
TMainThreadDispatcher& MainThreadDispatcher();

} // namespace zephra::serial
