#include "serial/detail/DispatchGate.h"

namespace zephra::serial::detail {

namespace {

/// The innermost run the calling thread is in, if any.
thread_local const DispatchGate::Run* tInnermostRun = nullptr;

} // namespace

DispatchGate::Run::Run(DispatchGate& gate) : gate_(gate), outer_(tInnermostRun) {
    std::lock_guard lock(gate_.mutex_);
    if (gate_.destroyed_) {
        return;
    }
    entered_ = true;
    ++gate_.running_;
    tInnermostRun = this;
}

DispatchGate::Run::~Run() {
    if (!entered_) {
        return;
    }
    tInnermostRun = outer_;
    std::lock_guard lock(gate_.mutex_);
    --gate_.running_;
    gate_.idle_.notify_all();
}

void DispatchGate::MarkPortDestroyed() {
    std::lock_guard lock(mutex_);
    destroyed_ = true;
}

int DispatchGate::RunsOfThisThread() const {
    int runs = 0;
    for (const Run* run = tInnermostRun; run != nullptr; run = run->outer_) {
        if (&run->gate_ == this) {
            ++runs;
        }
    }
    return runs;
}

void DispatchGate::WaitIdle() {
    const int own = RunsOfThisThread();
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [&] { return running_ == own; });
}

} // namespace zephra::serial::detail
