#pragma once

#include <atomic>

namespace zephra {

// Waits on a descriptor that another thread can cut short for good: once
// `Interrupt` is called, every wait, pending or later, throws
// BalanceInterrupted.
class InterruptibleWait {
public:
    InterruptibleWait();
    ~InterruptibleWait();
    InterruptibleWait(const InterruptibleWait&) = delete;
    InterruptibleWait& operator=(const InterruptibleWait&) = delete;

    // Waits up to `timeoutMs` for `events` (poll's POLLIN, POLLOUT) on `fd`
    // (-1: only the time passes); false when the time passed. System errors
    // are thrown as serial::EComError.
    bool Wait(int fd, short events, int timeoutMs);
    // Safe from any thread.
    void Interrupt() noexcept;

private:
    int interruptFd_;
    std::atomic<bool> interrupted_{false};
};

} // namespace zephra
