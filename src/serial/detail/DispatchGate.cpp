#include "serial/detail/DispatchGate.h"

namespace zephra::serial::detail {

namespace {

/// The gate of the run the calling thread is in, if any.
thread_local DispatchGate* tCurrentGate = nullptr;

} // namespace

DispatchGate::Run::Run(DispatchGate& gate) : gate_(gate), outer_(tCurrentGate) {
    std::lock_guard lock(gate_.mutex_);
    ++gate_.running_;
    tCurrentGate = &gate_;
}

DispatchGate::Run::~Run() {
    tCurrentGate = outer_;
    std::lock_guard lock(gate_.mutex_);
    if (--gate_.running_ == 0) {
        gate_.idle_.notify_all();
    }
}

void DispatchGate::WaitIdle() {
    if (tCurrentGate == this) {
        return;
    }
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return running_ == 0; });
}

} // namespace zephra::serial::detail
