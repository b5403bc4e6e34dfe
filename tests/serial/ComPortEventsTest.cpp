// The event thread and device notifications of a port on a pseudo-terminal.

#include "serial/ComPort.h"

#include "ProcessThreads.h"
#include "PseudoTerminal.h"
#include "QueuedDispatcher.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <system_error>
#include <thread>

namespace zephra::serial {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using test::PseudoTerminal;
using test::QueuedDispatcher;
using test::ThreadCount;
using zephra::test::TempFolder;

class ComPortEvents : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThreadDispatcher(&dispatcher);
        dispatcher.ClearShown();
        // Threads of earlier tests finish once their last calls have run.
        dispatcher.PumpUntil([] { return false; }, 50ms);
        threadsBefore = ThreadCount();
        port.SetDeviceName(pty.SlavePath());
        port.OnError = [this](TCustomComPort*, EComError& e, TComAction&) {
            errors.push_back(e.ErrorCode());
        };
    }
    void TearDown() override { SetMainThreadDispatcher(nullptr); }

    bool ThreadsBackTo(int count) {
        return dispatcher.PumpUntil([&] { return ThreadCount() == count; });
    }

    QueuedDispatcher& dispatcher = QueuedDispatcher::Instance();
    PseudoTerminal pty;
    TComPort port{nullptr};
    std::vector<int> errors;
    int threadsBefore = 0;
};

TEST_F(ComPortEvents, OnRxCharStartsTheThreadAndReceivesBytesUntilRemoved) {
    port.Open();
    EXPECT_EQ(ThreadCount(), threadsBefore) << "no handler, no thread";

    std::string received;
    port.SetOnRxChar([&](TCustomComPort* sender) {
        EXPECT_TRUE(dispatcher.IsMainThread());
        received += sender->ReadAnsiString();
    });
    EXPECT_EQ(ThreadCount(), threadsBefore + 1);
    pty.Send("abc");
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return received == "abc"; })) << received;
    pty.Send("de");
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return received == "abcde"; })) << received;

    port.SetOnRxChar(nullptr);
    EXPECT_TRUE(ThreadsBackTo(threadsBefore));
    pty.Send("f");
    dispatcher.PumpUntil([] { return false; }, 100ms);
    EXPECT_EQ(received, "abcde");
    EXPECT_TRUE(errors.empty());
}

TEST_F(ComPortEvents, OpeningWithAHandlerStartsTheThreadAndClosingStopsIt) {
    int calls = 0;
    port.SetOnRxChar([&](TCustomComPort*) { ++calls; });
    EXPECT_EQ(ThreadCount(), threadsBefore) << "a closed port has no thread";
    port.Open();
    EXPECT_EQ(ThreadCount(), threadsBefore + 1);
    port.Close();
    EXPECT_TRUE(ThreadsBackTo(threadsBefore));
    EXPECT_EQ(calls, 0);
}

TEST_F(ComPortEvents, OneWakeUpCallsOnRxCharBeforeOnTxEmpty) {
    std::vector<std::string> calls;
    port.SetOnTxEmpty([&](TCustomComPort*) { calls.push_back("TxEmpty"); });
    port.SetOnRxChar([&](TCustomComPort*) { calls.push_back("RxChar"); });
    port.Open();
    pty.Send("a");
    // The thread now waits for its RxChar dispatch; output and more input
    // arrive meanwhile, so its next look finds both.
    ASSERT_TRUE(dispatcher.WaitForCall());
    port.WriteAnsiChar('x');
    pty.Send("b");
    ASSERT_TRUE(dispatcher.PumpOne());
    EXPECT_EQ(calls, (std::vector<std::string>{"RxChar"}));
    ASSERT_TRUE(dispatcher.PumpOne());
    EXPECT_EQ(calls, (std::vector<std::string>{"RxChar", "RxChar", "TxEmpty"}));
    EXPECT_EQ(pty.Receive(1), "x");
}

TEST_F(ComPortEvents, ClosingTheOtherEndReportsTheErrorAndClosesThePort) {
    port.SetOnRxChar([](TCustomComPort*) {});
    port.Open();
    pty.CloseMaster();
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return !port.Active(); }));
    EXPECT_EQ(errors, std::vector<int>{EIO});
    EXPECT_EQ(dispatcher.Shown(), std::vector<std::string>{std::system_category().message(EIO)});
    EXPECT_TRUE(ThreadsBackTo(threadsBefore));
}

TEST_F(ComPortEvents, WithoutSynchronisingHandlersRunOnTheEventThread) {
    port.SetSynchronizeEvents(false);
    std::atomic<bool> onMainThread{true};
    std::atomic<int> calls{0};
    port.SetOnRxChar([&](TCustomComPort* sender) {
        onMainThread = dispatcher.IsMainThread();
        sender->ReadAnsiString();
        // Closing from the event thread is handed to the main thread.
        sender->Close();
        ++calls;
    });
    port.Open();
    pty.Send("z");
    // The close does not wait for the handler, which may still be finishing.
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return !port.Active() && calls > 0; }));
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(onMainThread);
    EXPECT_TRUE(ThreadsBackTo(threadsBefore));
}

TEST_F(ComPortEvents, ADispatchQueuedForADestroyedPortDoesNothing) {
    int calls = 0;
    {
        TComPort other(nullptr);
        PseudoTerminal otherPty;
        other.SetDeviceName(otherPty.SlavePath());
        other.SetOnRxChar([&](TCustomComPort*) { ++calls; });
        other.Open();
        otherPty.Send("q");
        ASSERT_TRUE(dispatcher.WaitForCall());
    }
    EXPECT_TRUE(dispatcher.PumpOne());
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(ThreadsBackTo(threadsBefore));
}

TEST_F(ComPortEvents, HandlersCanCloseAndReopenThePort) {
    int calls = 0;
    port.SetOnRxChar([&](TCustomComPort* sender) {
        ++calls;
        sender->Close();
        sender->Open();
    });
    port.Open();
    pty.Send("1");
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return calls == 1; }));
    EXPECT_TRUE(port.Active());
    pty.Send("2");
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return calls == 2; }));
    port.Close();
    EXPECT_TRUE(ThreadsBackTo(threadsBefore));
}

TEST_F(ComPortEvents, DeviceArrivalAndRemovalInTheDeviceFolder) {
    TempFolder dev;
    const std::string base = dev.path().string() + "/";
    std::vector<std::string> reports;
    port.SetDeviceFolder(dev.path().string());
    port.SetOnDeviceArrival([&](TCustomComPort* sender, const std::string& name) {
        EXPECT_EQ(sender, &port);
        reports.push_back("+" + name);
    });
    std::ofstream(dev.path() / "ttyUSB0").put('x');
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return reports.size() == 1; }));

    port.SetOnDeviceRemoved(
        [&](TCustomComPort*, const std::string& name) { reports.push_back("-" + name); });
    fs::remove(dev.path() / "ttyUSB0");
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return reports.size() == 2; }));
    EXPECT_EQ(reports, (std::vector<std::string>{"+" + base + "ttyUSB0", "-" + base + "ttyUSB0"}));

    port.SetOnDeviceArrival(nullptr);
    port.SetOnDeviceRemoved(nullptr);
    EXPECT_TRUE(ThreadsBackTo(threadsBefore)) << "the watch ends with the last handler";
    std::ofstream(dev.path() / "ttyUSB1").put('x');
    dispatcher.PumpUntil([] { return false; }, 100ms);
    EXPECT_EQ(reports.size(), 2u);
}

TEST_F(ComPortEvents, TheWatchEndsWithThePort) {
    TempFolder dev;
    {
        TComPort watching(nullptr);
        watching.SetDeviceFolder(dev.path().string());
        watching.SetOnDeviceRemoved([](TCustomComPort*, const std::string&) {});
        EXPECT_EQ(ThreadCount(), threadsBefore + 1);
    }
    EXPECT_EQ(ThreadCount(), threadsBefore);
}

TEST_F(ComPortEvents, ClosingDoesNotWaitForAHandlerRunningOnTheEventThread) {
    port.SetSynchronizeEvents(false);
    std::mutex mutex;
    std::condition_variable changed;
    bool entered = false, closed = false, left = false;
    port.SetOnRxChar([&](TCustomComPort*) {
        std::unique_lock lock(mutex);
        entered = true;
        changed.notify_all();
        // Like a handler that waits for the main thread, which is closing the port.
        changed.wait_for(lock, 3s, [&] { return closed; });
        left = true;
        changed.notify_all();
    });
    port.Open();
    pty.Send("x");
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(changed.wait_for(lock, 2s, [&] { return entered; }));
    }
    const auto start = std::chrono::steady_clock::now();
    port.Close();
    const auto took = std::chrono::steady_clock::now() - start;
    {
        std::unique_lock lock(mutex);
        closed = true;
        changed.notify_all();
        EXPECT_TRUE(changed.wait_for(lock, 2s, [&] { return left; }));
    }
    EXPECT_LT(took, 1s);
    EXPECT_FALSE(port.Active());
    EXPECT_TRUE(ThreadsBackTo(threadsBefore));
}

TEST_F(ComPortEvents, AHandlerWaitingForTheMainThreadDoesNotBlockClose) {
    port.SetSynchronizeEvents(false);
    std::atomic<bool> entered{false}, left{false};
    port.SetOnRxChar([&](TCustomComPort*) {
        entered = true;
        dispatcher.Synchronize([] {});
        left = true;
    });
    port.Open();
    pty.Send("x");
    ASSERT_TRUE(dispatcher.WaitForCall());
    ASSERT_TRUE(entered);
    port.Close();
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return bool(left); }));
    EXPECT_TRUE(ThreadsBackTo(threadsBefore));
}

TEST_F(ComPortEvents, DestroyingThePortWaitsForAHandlerRunningOnTheEventThread) {
    PseudoTerminal otherPty;
    auto other = std::make_unique<TComPort>(nullptr);
    other->SetDeviceName(otherPty.SlavePath());
    other->SetSynchronizeEvents(false);
    std::atomic<bool> entered{false}, finished{false};
    other->SetOnRxChar([&](TCustomComPort* sender) {
        entered = true;
        std::this_thread::sleep_for(100ms);
        // The port is still there.
        EXPECT_EQ(sender->DeviceName(), otherPty.SlavePath());
        finished = true;
    });
    other->Open();
    otherPty.Send("x");
    ASSERT_TRUE(dispatcher.PumpUntil([&] { return bool(entered); }));
    other.reset();
    EXPECT_TRUE(finished);
    EXPECT_TRUE(ThreadsBackTo(threadsBefore));
}

TEST_F(ComPortEvents, BytesAfterDiscardedInputAreNewEvents) {
    const struct {
        const char* name;
        void (TCustomComPort::*discard)();
    } cases[] = {{"PurgeInput", &TCustomComPort::PurgeInput},
                 {"ClearInput", &TCustomComPort::ClearInput}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int calls = 0;
        // The handler leaves the bytes queued.
        port.SetOnRxChar([&](TCustomComPort*) { ++calls; });
        port.Open();
        pty.Send("abc");
        ASSERT_TRUE(dispatcher.PumpUntil([&] { return port.InputCount() == 3 && calls > 0; }));
        dispatcher.PumpUntil([] { return false; }, 50ms);
        const int before = calls;
        (port.*c.discard)();
        // Fewer bytes than were discarded.
        pty.Send("x");
        EXPECT_TRUE(dispatcher.PumpUntil([&] { return calls > before; }));
        port.Close();
    }
    EXPECT_TRUE(ThreadsBackTo(threadsBefore));
}

} // namespace
} // namespace zephra::serial
