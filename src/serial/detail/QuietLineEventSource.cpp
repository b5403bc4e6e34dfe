#include "serial/detail/ComDevice.h"
#include "serial/detail/LineEvents.h"

#include <condition_variable>
#include <mutex>

namespace zephra::serial::detail {

namespace {

/// A device without counters or modem lines whose queues are always empty;
/// its waits end only when woken or when the time is up.
class QuietLineEventSource final : public LineEventSource {
public:
    int Wait(bool, std::chrono::milliseconds limit, WaitOutcome& outcome) override {
        std::unique_lock lock(mutex_);
        woken_.wait_for(lock, limit, [this] { return wake_; });
        outcome = wake_ ? WaitOutcome::Woken : WaitOutcome::Ready;
        wake_ = false;
        return 0;
    }
    void Wake() override {
        std::lock_guard lock(mutex_);
        wake_ = true;
        woken_.notify_all();
    }
    int Snapshot(bool, LineSnapshot& snapshot) override {
        snapshot = LineSnapshot{};
        return 0;
    }

private:
    std::mutex mutex_;
    std::condition_variable woken_;
    bool wake_ = false;
};

} // namespace

int ComDevice::CreateLineEventSource(std::unique_ptr<LineEventSource>& source) {
    source = std::make_unique<QuietLineEventSource>();
    return 0;
}

} // namespace zephra::serial::detail
