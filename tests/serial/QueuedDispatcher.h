#pragma once

#include "serial/ComPort.h"
#include "serial/MainThreadDispatcher.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zephra::serial::test {

/// The test thread as the program's main thread: calls from other threads
/// wait in a queue until the test runs them with `Pump`. Exceptions shown in
/// the general error display are kept as their texts.
class QueuedDispatcher final : public TMainThreadDispatcher {
public:
    QueuedDispatcher() : main_(std::this_thread::get_id()) {}

    /// One dispatcher for the whole test program, made on the test thread and
    /// never destroyed: event threads that outlive a test may still call it.
    static QueuedDispatcher& Instance() {
        static auto* instance = new QueuedDispatcher;
        return *instance;
    }

    void Synchronize(const std::function<void()>& Call) override {
        if (IsMainThread()) {
            Call();
            return;
        }
        std::exception_ptr error;
        bool done = false;
        {
            std::lock_guard lock(mutex_);
            tasks_.push_back([&] {
                try {
                    Call();
                } catch (...) {
                    error = std::current_exception();
                }
                std::lock_guard finished(mutex_);
                done = true;
                changed_.notify_all();
            });
            changed_.notify_all();
        }
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return done; });
        if (error) {
            std::rethrow_exception(error);
        }
    }

    void Queue(std::function<void()> Call) override {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(Call));
        changed_.notify_all();
    }

    bool IsMainThread() const override { return std::this_thread::get_id() == main_; }

    void ShowException(std::exception_ptr Error) override {
        std::string text;
        try {
            std::rethrow_exception(Error);
        } catch (const EAbort&) {
            return;
        } catch (const std::exception& e) {
            text = e.what();
        }
        std::lock_guard lock(mutex_);
        shown_.push_back(text);
    }

    /// Waits up to `limit` for a call and runs it; False when none came.
    bool PumpOne(std::chrono::milliseconds limit = std::chrono::milliseconds(2000)) {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex_);
            if (!changed_.wait_for(lock, limit, [&] { return !tasks_.empty(); })) {
                return false;
            }
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
        return true;
    }

    /// Runs calls as they come until `done` holds or `limit` has passed.
    template <typename Predicate>
    bool PumpUntil(Predicate done,
                   std::chrono::milliseconds limit = std::chrono::milliseconds(2000)) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (!done()) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) {
                return false;
            }
            PumpOne(std::min(left, std::chrono::milliseconds(20)));
        }
        return true;
    }

    /// Waits up to `limit` for a call to be queued, without running it.
    bool WaitForCall(std::chrono::milliseconds limit = std::chrono::milliseconds(2000)) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, limit, [&] { return !tasks_.empty(); });
    }

    void ClearShown() {
        std::lock_guard lock(mutex_);
        shown_.clear();
    }

    std::vector<std::string> Shown() {
        std::lock_guard lock(mutex_);
        return shown_;
    }

private:
    const std::thread::id main_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> tasks_;
    std::vector<std::string> shown_;
};

} // namespace zephra::serial::test
