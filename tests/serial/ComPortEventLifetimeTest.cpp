// Ports, event threads and handlers that come and go while events are
// dispatched, on pseudo-terminals.

#include "serial/ComPort.h"

#include "ProcessThreads.h"
#include "PseudoTerminal.h"
#include "QueuedDispatcher.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace zephra::serial {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using test::PseudoTerminal;
using test::QueuedDispatcher;
using test::ThreadCount;

/// Ends the test program with a message when the scope is not left in time:
/// a deadlock would otherwise hold the test until the test runner's limit.
class Watchdog {
public:
    explicit Watchdog(std::chrono::seconds limit)
        : thread_([this, limit] {
              std::unique_lock lock(mutex_);
              if (!left_.wait_for(lock, limit, [this] { return done_; })) {
                  std::fprintf(stderr, "Hung for %llds: deadlock\n",
                               static_cast<long long>(limit.count()));
                  std::_Exit(1);
              }
          }) {}
    ~Watchdog() {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        left_.notify_all();
        thread_.join();
    }
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable left_;
    bool done_ = false;
    std::thread thread_;
};

/// Waits up to two seconds until `port` has `count` bytes queued.
bool WaitForInput(TCustomComPort& port, std::uint32_t count) {
    const auto deadline = Clock::now() + 2s;
    while (port.InputCount() < count) {
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

/// Waits up to two seconds for `done`.
template <typename Predicate> bool WaitFor(Predicate done) {
    const auto deadline = Clock::now() + 2s;
    while (!done()) {
        if (Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

class ComPortEventLifetime : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThreadDispatcher(&dispatcher);
        dispatcher.ClearShown();
        // Threads of earlier tests finish once their last calls have run.
        dispatcher.PumpUntil([] { return false; }, 50ms);
        threadsBefore = ThreadCount();
    }
    void TearDown() override {
        EXPECT_TRUE(dispatcher.PumpUntil([&] { return ThreadCount() == threadsBefore; }))
            << "event threads left running";
        EXPECT_EQ(dispatcher.Shown(), std::vector<std::string>{});
        SetMainThreadDispatcher(nullptr);
    }

    QueuedDispatcher& dispatcher = QueuedDispatcher::Instance();
    PseudoTerminal pty;
    int threadsBefore = 0;
};

/// Who destroys a port while one of its handlers runs.
enum class Destroyer {
    ItsHandler,
    ItsHandlerOnTheEventThread,
    OtherCodeInANestedLoop,
    AnotherPortsHandlerInANestedLoop,
};

TEST_F(ComPortEventLifetime, APortMayBeDestroyedWhileItsHandlerRuns) {
    const struct {
        const char* name;
        Destroyer destroyer;
    } cases[] = {
        {"by its handler", Destroyer::ItsHandler},
        {"by its handler on the event thread", Destroyer::ItsHandlerOnTheEventThread},
        {"by other code in a nested loop", Destroyer::OtherCodeInANestedLoop},
        {"by another port's handler in a nested loop", Destroyer::AnotherPortsHandlerInANestedLoop},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Watchdog watchdog(10s);
        PseudoTerminal otherPty;
        TComPort other(nullptr);
        auto owned = std::make_unique<TComPort>(nullptr);
        TComPort& port = *owned;
        std::atomic<bool> opened{false}, destroyed{false}, txEmptyCalled{false};
        std::atomic<int> rxCalls{0};
        const auto destroy = [&] {
            owned.reset();
            destroyed = true;
        };

        port.SetDeviceName(pty.SlavePath());
        port.SetSynchronizeEvents(c.destroyer != Destroyer::ItsHandlerOnTheEventThread);
        port.SetOnTxEmpty([&](TCustomComPort*) { txEmptyCalled = true; });
        port.SetOnRxChar([&](TCustomComPort* sender) {
            if (++rxCalls == 1) {
                // The main thread is done with the port before a handler on
                // the event thread may destroy it.
                EXPECT_TRUE(WaitFor([&] { return bool(opened); }));
                // Output and more input: the next wake-up brings RxChar and TxEmpty.
                sender->WriteAnsiChar('x');
                pty.Send("2");
                EXPECT_TRUE(WaitForInput(*sender, 2));
                return;
            }
            switch (c.destroyer) {
            case Destroyer::ItsHandler:
            case Destroyer::ItsHandlerOnTheEventThread:
                destroy();
                break;
            case Destroyer::OtherCodeInANestedLoop:
                dispatcher.Queue(destroy);
                EXPECT_TRUE(dispatcher.PumpUntil([&] { return bool(destroyed); }));
                break;
            case Destroyer::AnotherPortsHandlerInANestedLoop:
                otherPty.Send("b");
                EXPECT_TRUE(dispatcher.PumpUntil([&] { return bool(destroyed); }));
                break;
            }
        });
        other.SetDeviceName(otherPty.SlavePath());
        other.SetOnRxChar([&](TCustomComPort*) {
            if (owned) {
                destroy();
            }
        });
        other.Open();
        port.Open();
        opened = true;
        pty.Send("1");

        EXPECT_TRUE(dispatcher.PumpUntil([&] { return bool(destroyed); }));
        dispatcher.PumpUntil([] { return false; }, 50ms);
        EXPECT_EQ(rxCalls, 2);
        EXPECT_FALSE(txEmptyCalled) << "the rest of the wake-up went to the destroyed port";
        EXPECT_EQ(pty.Receive(1), "x");
        other.Close();
    }
}

TEST_F(ComPortEventLifetime, HandlersCanBeReplacedWhileTheEventThreadRunsOne) {
    std::atomic<int> calls{0};
    // Large enough to live on the heap inside the handler object.
    const std::string payload(64, 'p');
    const TNotifyEvent handler = [&calls, payload](TCustomComPort* sender) {
        calls += payload.empty() ? 0 : 1;
        sender->ReadAnsiString();
    };
    {
        TComPort port(nullptr);
        port.SetDeviceName(pty.SlavePath());
        port.SetSynchronizeEvents(false);
        port.SetOnRxChar(handler);
        port.Open();
        // Input keeps arriving, so the event thread keeps taking up the handler.
        std::atomic<bool> stop{false};
        std::thread feeder([&] {
            while (!stop) {
                [[maybe_unused]] const ssize_t sent = ::write(pty.Master(), "r", 1);
                std::this_thread::sleep_for(50us);
            }
        });
        const auto until = Clock::now() + 500ms;
        for (int round = 0; Clock::now() < until; ++round) {
            // Now and then removed, which stops the thread while it may still run the handler.
            port.SetOnRxChar(round % 256 == 255 ? TNotifyEvent() : handler);
        }
        stop = true;
        feeder.join();
        // Destroying the port, unlike closing it, waits for a handler that
        // still reads from it.
    }
    EXPECT_GT(calls, 0);
}

TEST_F(ComPortEventLifetime, ThePortOpensAgainRightAfterItsEventThreadStopped) {
    TComPort port(nullptr);
    port.SetDeviceName(pty.SlavePath());
    port.SetOnRxChar([](TCustomComPort*) {});
    int refused = 0;
    std::string refusal;
    for (int round = 0; round < 300; ++round) {
        try {
            port.Open();
        } catch (const EComError& e) {
            ++refused;
            refusal = e.what();
            continue;
        }
        // The event thread is waiting on the device when the port closes.
        std::this_thread::sleep_for(500us);
        port.Close();
    }
    EXPECT_EQ(refused, 0) << refusal;
}

TEST_F(ComPortEventLifetime, AfterCloseAndOpenHandlersStillRunOneAtATime) {
    // Declared before the port: a handler still running while the port
    // goes must find them.
    std::atomic<int> running{0}, entered{0};
    std::atomic<bool> overlapped{false};
    TComPort port(nullptr);
    port.SetDeviceName(pty.SlavePath());
    port.SetSynchronizeEvents(false);
    port.SetOnRxChar([&](TCustomComPort*) {
        if (running++ > 0) {
            overlapped = true;
        }
        ++entered;
        // Long enough for the port to be closed and opened again meanwhile.
        std::this_thread::sleep_for(20ms);
        --running;
    });
    for (int round = 0; round < 10; ++round) {
        port.Open();
        const int before = entered;
        pty.Send("a");
        ASSERT_TRUE(WaitFor([&] { return entered > before; }));
        port.Close();
        port.Open();
        pty.Send("b");
        ASSERT_TRUE(WaitFor([&] { return entered > before + 1; }));
        port.Close();
    }
    EXPECT_FALSE(overlapped);
}

} // namespace
} // namespace zephra::serial
