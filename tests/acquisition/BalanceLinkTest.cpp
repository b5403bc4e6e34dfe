// The balance link against zephra-balance-sim on a real pseudo-terminal.

#include "acquisition/CollectionRun.h"
#include "acquisition/ComPortBalance.h"
#include "acquisition/ExchangeThread.h"

#include "support/ChildProcess.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <unistd.h>
#include <utility>

using namespace zephra;

namespace {

class BalanceLinkTest : public ::testing::Test {
protected:
    void Connect(const Simulator& simulator) {
        ASSERT_EQ(simulator.Device().rfind("/dev/pts/", 0), 0u) << simulator.Device();
        ConfigureBalancePort(port, 1);
        port.SetDeviceName(simulator.Device());
    }

    serial::TComPort port{nullptr};
    ComPortBalance balance{port};
};

TEST(BalancePortTest, StartUpSettingsAndDeviceNames) {
    for (const auto& [number, name] :
         {std::pair{3, "COM3"}, std::pair{0, "COM0"}, std::pair{12, "COM12"}}) {
        serial::TComPort port(nullptr);
        ConfigureBalancePort(port, number);
        EXPECT_EQ(port.DeviceName(), name);
        EXPECT_EQ(port.DataBits(), serial::TDataBits::db7);
        EXPECT_EQ(port.BaudRate(), serial::TBaudRate::br1200);
        EXPECT_EQ(port.Parity(), serial::TParity::paOdd);
        EXPECT_EQ(port.StopBits(), serial::TStopBits::sb1);
        EXPECT_TRUE(port.Options().Empty());
        EXPECT_EQ(port.Timeouts().ReadConstant(), BalanceReplyTimeoutMs);
        EXPECT_EQ(port.Timeouts().ReadInterval(), 0);
        EXPECT_FALSE(port.Active());
    }
}

TEST_F(BalanceLinkTest, WeightValuesAndSigns) {
    for (const char* grams : {"-12.34", "7.5", "0", "1234.56"}) {
        SCOPED_TRACE(grams);
        Simulator simulator({"--weight", grams, "--noise", "0"});
        Connect(simulator);
        const WeightReading reading = balance.GetWeight();
        EXPECT_FALSE(reading.Error);
        EXPECT_EQ(reading.WeightVal, std::stod(grams));
        EXPECT_EQ(reading.WeightStr.size(), 9u);
        EXPECT_FALSE(port.Active());
    }
}

TEST_F(BalanceLinkTest, TareZeroesTheBalanceAndTheLeftoverLineFeedIsNeverRead) {
    Simulator simulator({"--weight", "50", "--noise", "0"});
    Connect(simulator);
    EXPECT_EQ(balance.GetWeight().WeightVal, 50.0);
    balance.Tare();
    EXPECT_FALSE(port.Active());
    const WeightReading reading = balance.GetWeight();
    EXPECT_EQ(reading.WeightStr, "     0.00");
    EXPECT_EQ(reading.WeightVal, 0.0);
}

TEST_F(BalanceLinkTest, SilentBalanceEndsInTimeoutWithinTheLimit) {
    Simulator simulator({"--silent"});
    Connect(simulator);
    const auto begin = std::chrono::steady_clock::now();
    try {
        balance.GetWeight();
        ADD_FAILURE() << "no error";
    } catch (const BalanceError& e) {
        EXPECT_EQ(e.what(), simulator.Device() + ": Timeout");
    }
    const auto waited = std::chrono::steady_clock::now() - begin;
    EXPECT_GE(waited, std::chrono::milliseconds(BalanceReplyTimeoutMs - 50));
    EXPECT_LT(waited, std::chrono::milliseconds(BalanceReplyTimeoutMs + 2000));
    balance.Close();
    EXPECT_FALSE(port.Active());
}

TEST_F(BalanceLinkTest, WrongLineRateGivesGarbageThatDoesNotParse) {
    Simulator simulator({"--weight", "10", "--noise", "0"});
    Connect(simulator);
    port.SetBaudRate(serial::TBaudRate::br9600);
    EXPECT_TRUE(balance.GetWeight().Error);
    port.SetBaudRate(serial::TBaudRate::br1200);
    EXPECT_FALSE(balance.GetWeight().Error);
}

TEST_F(BalanceLinkTest, GarbageModeAndLongRepliesAreUnreadable) {
    for (const char* option : {"--garbage", "--long"}) {
        SCOPED_TRACE(option);
        Simulator simulator({option});
        Connect(simulator);
        EXPECT_TRUE(balance.GetWeight().Error);
    }
}

TEST_F(BalanceLinkTest, EndlessReplyWithoutLineEndIsUnreadable) {
    Simulator simulator({"--babble"});
    Connect(simulator);
    const auto begin = std::chrono::steady_clock::now();
    EXPECT_TRUE(balance.GetWeight().Error);
    EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(3));
    EXPECT_FALSE(port.Active());
}

TEST_F(BalanceLinkTest, UnpluggedBalanceIsAPortError) {
    Simulator simulator({"--unplug-after", "1"});
    Connect(simulator);
    EXPECT_FALSE(balance.GetWeight().Error);
    try {
        balance.GetWeight();
        ADD_FAILURE() << "a reply";
    } catch (const BalanceError& e) {
        EXPECT_TRUE(e.Gone()) << e.what();
    }
    balance.Close();
    EXPECT_FALSE(port.Active());
}

TEST_F(BalanceLinkTest, ComNameResolvesThroughThePortMap) {
    const auto config = std::filesystem::temp_directory_path() /
                        ("zephra-balance-link-" + std::to_string(getpid()));
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    {
        Simulator simulator({"--link", "COM7", "--weight", "3.25", "--noise", "0"});
        ASSERT_FALSE(simulator.Device().empty());
        ConfigureBalancePort(port, 7);
        EXPECT_EQ(port.DeviceName(), "COM7");
        EXPECT_EQ(balance.GetWeight().WeightVal, 3.25);
    }
    EXPECT_FALSE(std::filesystem::exists(config / "zephra" / "ports" / "COM7"));
    unsetenv("XDG_CONFIG_HOME");
    std::filesystem::remove_all(config);
}

// A clock that the test moves by hand; read on the exchange thread too.
struct JumpingClock : RunClock {
    std::int64_t NowMs() override { return now; }
    std::atomic<std::int64_t> now = 0;
};

// Waits up to `limitMs` for `done`; true when it came.
template <typename Done> bool WaitFor(Done done, int limitMs) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > limit)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

TEST_F(BalanceLinkTest, ExchangeThreadDeliversTheOutcomeAndWakesItsOwner) {
    Simulator simulator({"--weight", "50", "--noise", "0"});
    Connect(simulator);
    JumpingClock clock;
    clock.now = 777;
    std::atomic<int> wakes = 0;
    ExchangeThread exchanges(balance, clock, [&] { ++wakes; });
    exchanges.Begin(false);
    ASSERT_TRUE(WaitFor([&] { return wakes == 1; }, 5000));
    std::optional<ExchangeOutcome> outcome = exchanges.TakeOutcome();
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->reading.WeightVal, 50.0);
    EXPECT_EQ(outcome->linkError, "");
    EXPECT_EQ(outcome->replyMs, 777);
    EXPECT_FALSE(exchanges.TakeOutcome());

    exchanges.Begin(true); // the tare zeroes the load
    ASSERT_TRUE(WaitFor([&] { return wakes == 2; }, 5000));
    EXPECT_EQ(exchanges.TakeOutcome()->reading.WeightVal, 0.0);
    EXPECT_FALSE(exchanges.Released());
    exchanges.Release();
    ASSERT_TRUE(WaitFor([&] { return exchanges.Released(); }, 1000));
    EXPECT_FALSE(port.Active());
}

// A balance that answers late or never: releasing the exchanges ends the
// pending wait at once and closes the port; nothing of it arrives.
TEST_F(BalanceLinkTest, ReleaseEndsAPendingExchangeWithoutWaitingForTheBalance) {
    for (const std::vector<std::string> options :
         {std::vector<std::string>{"--delay", "3000"}, std::vector<std::string>{"--silent"}}) {
        SCOPED_TRACE(options[0]);
        Simulator simulator(options);
        Connect(simulator);
        JumpingClock clock;
        ExchangeThread exchanges(balance, clock);
        exchanges.Begin(true);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_FALSE(exchanges.TakeOutcome());
        const auto released = std::chrono::steady_clock::now();
        exchanges.Release();
        ASSERT_TRUE(WaitFor([&] { return exchanges.Released(); }, 1000));
        EXPECT_LT(std::chrono::steady_clock::now() - released, std::chrono::milliseconds(500));
        EXPECT_FALSE(exchanges.TakeOutcome());
        EXPECT_FALSE(port.Active());
    }
}

// The run engine over the real link, with a simulated clock so that the
// whole 9-minute schedule takes only the time of its 37 exchanges.
TEST_F(BalanceLinkTest, NineMinuteRunOverThePseudoTerminal) {
    JumpingClock clock;
    struct Target : CollectionTarget {
        TWineClass& Wine() override { return wine; }
        void Refresh() override {}
        TWineClass wine;
    } target;
    struct Boxes : MessageBoxes {
        BoxAnswer Show(BoxKind, const std::string& text, BoxButtons, BoxAnswer) override {
            ADD_FAILURE() << text;
            return BoxAnswer::Ok;
        }
    } boxes;
    Simulator simulator({"--flow", "6000", "--fouling", "0"});
    Connect(simulator);
    ExchangeThread exchanges(balance, clock);
    CollectionRun run(target, exchanges, clock, boxes, {1.0, 9});
    run.ClearRecord();
    run.Start();
    while (run.Running()) {
        // simulated time stands still while the balance answers
        if (!run.AwaitingBalance())
            clock.now += 5000;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        run.Pass();
    }
    EXPECT_EQ(run.End(), RunEnd::MaxDuration);
    EXPECT_FALSE(target.wine.WineRec.Data.V[35].empty());
    EXPECT_EQ(target.wine.WineRec.Data.T[35].M.text(), "  9");
    ASSERT_TRUE(WaitFor([&] { return exchanges.Released(); }, 1000));
    EXPECT_FALSE(port.Active());
}

} // namespace
