#include "acquisition/ExchangeThread.h"

namespace zephra {

ExchangeThread::ExchangeThread(Balance& balance, RunClock& clock, std::function<void()> arrived)
    : balance_(balance), clock_(clock), arrived_(std::move(arrived)),
      thread_(&ExchangeThread::Work, this) {}

ExchangeThread::~ExchangeThread() {
    Release();
    thread_.join();
}

void ExchangeThread::Begin(bool tare) {
    std::lock_guard lock(mutex_);
    outcome_.reset();
    tare_ = tare;
    requested_ = true;
    wake_.notify_one();
}

std::optional<ExchangeOutcome> ExchangeThread::TakeOutcome() {
    std::lock_guard lock(mutex_);
    std::optional<ExchangeOutcome> outcome = std::move(outcome_);
    outcome_.reset();
    return outcome;
}

void ExchangeThread::Release() noexcept {
    {
        std::lock_guard lock(mutex_);
        released_ = true;
        wake_.notify_one();
    }
    balance_.Interrupt();
}

bool ExchangeThread::Released() const {
    std::lock_guard lock(mutex_);
    return finished_;
}

void ExchangeThread::Work() {
    for (;;) {
        bool tare = false;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return requested_ || released_; });
            if (released_)
                break;
            requested_ = false;
            tare = tare_;
        }
        std::optional<ExchangeOutcome> outcome;
        try {
            outcome = Exchange(balance_, clock_, tare);
        } catch (const BalanceInterrupted&) {
            break;
        }
        {
            std::lock_guard lock(mutex_);
            if (released_)
                break;
            outcome_ = std::move(outcome);
        }
        if (arrived_)
            arrived_();
    }
    balance_.Close();
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    if (arrived_)
        arrived_();
}

} // namespace zephra
