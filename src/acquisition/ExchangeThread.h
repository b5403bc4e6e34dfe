#pragma once

#include "acquisition/BalanceExchanges.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace zephra {

// Exchanges with the balance on a thread of their own, so that a slow or
// silent balance never holds up the thread that runs the collection. The
// balance (and its port) belongs to this thread from construction to
// destruction; `clock` is read on it and must be safe to read there.
// `arrived`, when given, is called on the exchange thread each time an
// outcome is ready, to wake the owner; it must not block.
class ExchangeThread : public BalanceExchanges {
public:
    ExchangeThread(Balance& balance, RunClock& clock, std::function<void()> arrived = {});
    // Releases the balance and waits for the thread, which ends at once.
    ~ExchangeThread() override;
    ExchangeThread(const ExchangeThread&) = delete;
    ExchangeThread& operator=(const ExchangeThread&) = delete;

    void Begin(bool tare) override;
    std::optional<ExchangeOutcome> TakeOutcome() override;
    void Release() noexcept override;
    bool Released() const override;

private:
    void Work();

    Balance& balance_;
    RunClock& clock_;
    std::function<void()> arrived_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool requested_ = false;
    bool tare_ = false;
    bool released_ = false;
    bool finished_ = false; // the thread has closed the port and ended
    std::optional<ExchangeOutcome> outcome_;
    std::thread thread_;
};

} // namespace zephra
