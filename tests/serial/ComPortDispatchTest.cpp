// Dispatch of line events, on a fake device whose counters the test scripts.

#include "serial/ComPort.h"
#include "serial/detail/ComDevice.h"
#include "serial/detail/LineEvents.h"

#include "FakeComDevice.h"
#include "QueuedDispatcher.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <fstream>
#include <mutex>
#include <thread>

namespace zephra::serial {
namespace {

using namespace std::chrono_literals;
using detail::LineCounters;
using detail::LineSnapshot;
using test::QueuedDispatcher;
using zephra::test::TempFolder;

/// Device counters set by the test; each change ends the event thread's wait.
class Script {
public:
    void Set(const LineSnapshot& snapshot, int error = 0) {
        std::lock_guard lock(mutex_);
        snapshot_ = snapshot;
        error_ = error;
        changed_ = true;
        wake_.notify_all();
    }

    int Wait(std::chrono::milliseconds limit, detail::WaitOutcome& outcome) {
        std::unique_lock lock(mutex_);
        wake_.wait_for(lock, limit, [&] { return changed_ || woken_; });
        outcome = woken_ ? detail::WaitOutcome::Woken : detail::WaitOutcome::Ready;
        changed_ = woken_ = false;
        return 0;
    }
    void Wake() {
        std::lock_guard lock(mutex_);
        woken_ = true;
        wake_.notify_all();
    }
    int Snapshot(LineSnapshot& snapshot) {
        std::lock_guard lock(mutex_);
        snapshot = snapshot_;
        return error_;
    }

    /// Set when two threads were in the device's TakeLineErrors at once.
    std::atomic<bool> lineErrorsTakenTwiceAtOnce{false};
    std::atomic<bool> takingLineErrors{false};

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    LineSnapshot snapshot_;
    int error_ = 0;
    bool changed_ = false;
    bool woken_ = false;
};

class ScriptedSource final : public detail::LineEventSource {
public:
    explicit ScriptedSource(std::shared_ptr<Script> script) : script_(std::move(script)) {}
    int Wait(bool, std::chrono::milliseconds limit, detail::WaitOutcome& outcome) override {
        return script_->Wait(limit, outcome);
    }
    void Wake() override { script_->Wake(); }
    int Snapshot(bool, LineSnapshot& snapshot) override { return script_->Snapshot(snapshot); }

private:
    std::shared_ptr<Script> script_;
};

/// The fake device with line events from a script.
class ScriptedDevice final : public detail::ComDevice {
public:
    ScriptedDevice(test::FakeComDevice& fake, std::shared_ptr<Script> script)
        : fake_(fake), script_(std::move(script)) {}

    int Open(const std::string& path) override { return fake_.Open(path); }
    void Close() override { fake_.Close(); }
    int Handle() const override { return fake_.Handle(); }
    int GetState(detail::DeviceState& state) override { return fake_.GetState(state); }
    int SetState(const detail::DeviceState& state) override { return fake_.SetState(state); }
    int Read(std::uint8_t* buffer, std::size_t count, std::size_t& done) override {
        return fake_.Read(buffer, count, done);
    }
    int Write(const std::uint8_t* buffer, std::size_t count, std::size_t& done) override {
        return fake_.Write(buffer, count, done);
    }
    int WaitReady(detail::Direction direction, std::optional<detail::Milliseconds> limit) override {
        return fake_.WaitReady(direction, limit);
    }
    int InputCount(std::uint32_t& count) override { return fake_.InputCount(count); }
    int OutputCount(std::uint32_t& count) override { return fake_.OutputCount(count); }
    int Purge(bool input, bool output) override { return fake_.Purge(input, output); }
    int Drain(std::optional<detail::Milliseconds> limit, bool& drained) override {
        return fake_.Drain(limit, drained);
    }
    int Escape(detail::EscapeFunction function) override { return fake_.Escape(function); }
    int ModemStatus(std::uint32_t& bits) override { return fake_.ModemStatus(bits); }
    int TakeLineErrors(std::uint32_t& bits) override {
        if (script_->takingLineErrors.exchange(true)) {
            script_->lineErrorsTakenTwiceAtOnce = true;
        }
        // Long enough for a second caller to come along.
        std::this_thread::sleep_for(1ms);
        const int error = fake_.TakeLineErrors(bits);
        script_->takingLineErrors = false;
        return error;
    }
    detail::Clock::time_point Now() const override { return fake_.Now(); }
    int CreateLineEventSource(std::unique_ptr<detail::LineEventSource>& source) override {
        source = std::make_unique<ScriptedSource>(script_);
        return 0;
    }

private:
    test::FakeComDevice& fake_;
    std::shared_ptr<Script> script_;
};

/// A device without counters (a pseudo-terminal) with `input` bytes queued.
LineSnapshot Queued(std::uint32_t input) {
    LineSnapshot snapshot;
    snapshot.inputCount = input;
    return snapshot;
}

LineSnapshot WithCounters(const LineCounters& counters, std::uint32_t input = 0) {
    LineSnapshot snapshot;
    snapshot.inputCount = input;
    snapshot.counters = counters;
    return snapshot;
}

class ComPortDispatch : public ::testing::Test {
protected:
    void SetUp() override {
        SetMainThreadDispatcher(&dispatcher);
        dispatcher.ClearShown();
        script->Set(WithCounters({}));
        port.SetDeviceName("/dev/fake0");
        port.OnError = [this](TCustomComPort*, EComError& e, TComAction&) {
            errors.push_back(e.ErrorCode());
        };
    }
    void TearDown() override {
        port.Close();
        dispatcher.PumpUntil([] { return false; }, 30ms);
        SetMainThreadDispatcher(nullptr);
    }
    /// A notification handler that records `name`.
    TNotifyEvent Record(const std::string& name) {
        return [this, name](TCustomComPort*) { calls.push_back(name); };
    }
    void AssignAllHandlers() {
        port.SetOnTxEmpty(Record("TxEmpty"));
        port.SetOnRxFlag(Record("RxFlag"));
        port.SetOnRxChar(Record("RxChar"));
        port.SetOnRx80PercFull(Record("Rx80PercFull"));
        port.SetOnRLSDChange(Record("RLSDChange"));
        port.SetOnRing(Record("Ring"));
        port.SetOnPrinterError(Record("PrinterError"));
        port.SetOnEvent2(Record("Event2"));
        port.SetOnEvent1(Record("Event1"));
        port.SetOnLineError([this](TCustomComPort*, TLineErrors errors) {
            calls.push_back("LineError");
            lineErrors.push_back(errors);
        });
        port.SetOnDSRChange(Record("DSRChange"));
        port.SetOnCTSChange(Record("CTSChange"));
        port.SetOnBreak(Record("Break"));
    }

    QueuedDispatcher& dispatcher = QueuedDispatcher::Instance();
    TempFolder folder;
    test::FakeComDevice fake;
    std::shared_ptr<Script> script = std::make_shared<Script>();
    TComPort port{nullptr, std::make_unique<ScriptedDevice>(fake, script)};
    std::vector<std::string> calls;
    std::vector<TLineErrors> lineErrors;
    std::vector<int> errors;
};

TEST_F(ComPortDispatch, OneWakeUpCallsTheHandlersInTheirFixedOrderAndLogsThem) {
    const std::string log = (folder.path() / "port.log").string();
    port.SetLogFile(log);
    AssignAllHandlers();
    port.Open();
    port.WriteAnsiChar('x'); // arms TxEmpty
    fake.lineErrors = detail::ceFrame;
    script->Set(WithCounters({1, 1, 1, 1, 1, 0, 1, 0, 0, 1, 0}, 3500));
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return calls.size() == 9; }));
    EXPECT_EQ(calls,
              (std::vector<std::string>{"Break", "CTSChange", "DSRChange", "LineError", "Ring",
                                        "RLSDChange", "Rx80PercFull", "RxChar", "TxEmpty"}));

    std::ifstream in(log);
    std::vector<std::string> logged;
    for (std::string line; std::getline(in, line);) {
        const std::size_t at = line.find(" event");
        if (at != std::string::npos) {
            logged.push_back(line.substr(line.rfind(' ', at - 1) + 1));
        }
    }
    EXPECT_EQ(logged,
              (std::vector<std::string>{"Break event", "CTSChange event", "DSRChange event",
                                        "LineError event", "Ring event", "RLSDChange event",
                                        "Rx80PercFull event", "RxChar event", "TxEmpty event"}));
}

TEST_F(ComPortDispatch, ALineErrorWakeUpReportsAllErrorsOnceAndClearsThem) {
    AssignAllHandlers();
    port.Open();
    fake.lineErrors = detail::ceFrame | detail::ceParity;
    script->Set(WithCounters({0, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0}));
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return !calls.empty(); }));
    dispatcher.PumpUntil([] { return false; }, 50ms);
    EXPECT_EQ(calls, std::vector<std::string>{"LineError"});
    EXPECT_EQ(lineErrors, (std::vector<TLineErrors>{{TLineError::leFrame, TLineError::leParity}}));
    EXPECT_EQ(fake.lineErrors, 0u);
}

TEST_F(ComPortDispatch, OnlyAssignedHandlersAreWaitedFor) {
    port.SetOnRing(Record("Ring"));
    port.Open();
    fake.lineErrors = detail::ceFrame;
    script->Set(WithCounters({1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 1}, 10));
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return !calls.empty(); }));
    dispatcher.PumpUntil([] { return false; }, 50ms);
    EXPECT_EQ(calls, std::vector<std::string>{"Ring"});
    EXPECT_EQ(fake.lineErrors, detail::ceFrame) << "nothing read the line errors";
}

TEST_F(ComPortDispatch, AFailingHandlerEndsItsWakeUpButNotTheThread) {
    port.SetOnBreak([](TCustomComPort*) { throw std::runtime_error("handler failed"); });
    port.SetOnRing(Record("Ring"));
    port.Open();
    script->Set(WithCounters({0, 0, 1, 0, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return !dispatcher.Shown().empty(); }));
    EXPECT_TRUE(calls.empty());
    script->Set(WithCounters({0, 0, 2, 0, 0, 0, 0, 0, 0, 1, 0}));
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return calls.size() == 1; }));
    EXPECT_EQ(dispatcher.Shown(), std::vector<std::string>{"handler failed"});
}

TEST_F(ComPortDispatch, AnotherThreadErrorIsReportedAndEndsTheThreadOnly) {
    port.SetOnRxChar(Record("RxChar"));
    port.Open();
    script->Set(WithCounters({}), EPERM);
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return !errors.empty(); }));
    EXPECT_EQ(errors, std::vector<int>{EPERM});
    EXPECT_TRUE(port.Active());

    // A later handler change starts a new thread.
    script->Set(WithCounters({}));
    port.SetOnRxChar(Record("RxChar again"));
    script->Set(WithCounters({0, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return !calls.empty(); }));
    EXPECT_EQ(calls, std::vector<std::string>{"RxChar again"});
}

TEST_F(ComPortDispatch, BytesThatArriveWhileAHandlerReadsAreANewEvent) {
    script->Set(Queued(0));
    std::string received;
    port.SetOnRxChar([&](TCustomComPort* sender) {
        received += sender->ReadAnsiString();
        if (received == "abc") {
            // Two bytes arrive while the handler runs.
            fake.input = {'d', 'e'};
            script->Set(Queued(2));
        }
    });
    port.Open();
    fake.input = {'a', 'b', 'c'};
    script->Set(Queued(3));
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return received == "abcde"; })) << received;
}

TEST_F(ComPortDispatch, ReceivedBytesCountWhereTheDriverCountsOnlyLineEvents) {
    int calls = 0;
    port.SetOnRxChar([&](TCustomComPort*) { ++calls; });
    port.Open();
    // The modem and error counters are there, the receive counter stays 0.
    script->Set(WithCounters({}, 3));
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return calls == 1; }));
}

TEST_F(ComPortDispatch, AThreadEndedByAnErrorDoesNotCloseThePortAfterItsSuccessorStarted) {
    port.SetOnRxChar(Record("RxChar"));
    port.OnError = [this](TCustomComPort*, EComError& e, TComAction&) {
        errors.push_back(e.ErrorCode());
        // The device is back, and a new handler starts a new thread.
        script->Set(WithCounters({}));
        port.SetOnTxEmpty(Record("TxEmpty"));
    };
    port.Open();
    script->Set(WithCounters({}), EIO);
    EXPECT_TRUE(dispatcher.PumpUntil([&] { return !errors.empty(); }));
    dispatcher.PumpUntil([] { return false; }, 200ms);
    EXPECT_TRUE(port.Active());
    EXPECT_EQ(errors, std::vector<int>{EIO});
}

TEST_F(ComPortDispatch, LineErrorsAreTakenByOneThreadAtATime) {
    port.SetSynchronizeEvents(false);
    port.SetOnLineError([](TCustomComPort*, TLineErrors) {});
    port.Open();
    for (std::uint32_t frame = 1; frame <= 100; ++frame) {
        // Each new frame error makes the event thread take the line errors too.
        script->Set(WithCounters({0, 0, 0, 0, 0, 0, frame, 0, 0, 0, 0}));
        port.CheckLineErrors();
    }
    EXPECT_FALSE(script->lineErrorsTakenTwiceAtOnce);
}

} // namespace
} // namespace zephra::serial
