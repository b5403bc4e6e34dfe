#include "serial/detail/LineEventTracker.h"

#include <gtest/gtest.h>

#include <sys/ioctl.h>

namespace zephra::serial::detail {
namespace {

LineSnapshot Queues(std::uint32_t input, std::uint32_t output) {
    LineSnapshot snapshot;
    snapshot.inputCount = input;
    snapshot.outputCount = output;
    return snapshot;
}

/// `snapshot` after the port has read `taken` bytes in all.
LineSnapshot AfterReading(std::uint64_t taken, LineSnapshot snapshot) {
    snapshot.inputTaken = taken;
    return snapshot;
}

LineSnapshot Counted(LineCounters counters, std::uint32_t input = 0) {
    LineSnapshot snapshot = Queues(input, 0);
    snapshot.counters = counters;
    return snapshot;
}

TEST(LineEventTracker, CounterDeltasGiveEachEvent) {
    struct Case {
        const char* name;
        LineCounters after;
        std::uint32_t events;
    };
    const LineCounters base{1, 1, 1, 1, 10, 10, 0, 0, 0, 0, 0};
    auto with = [&](auto change) {
        LineCounters counters = base;
        change(counters);
        return counters;
    };
    const Case cases[] = {
        {"rx", with([](LineCounters& c) { c.rx += 3; }), evRxChar},
        {"cts", with([](LineCounters& c) { c.cts += 2; }), evCTS},
        {"dsr", with([](LineCounters& c) { c.dsr++; }), evDSR},
        {"dcd", with([](LineCounters& c) { c.dcd++; }), evRLSD},
        {"ring", with([](LineCounters& c) { c.rng++; }), evRing},
        {"break", with([](LineCounters& c) { c.brk++; }), evBreak},
        {"frame and parity", with([](LineCounters& c) { c.frame++, c.parity++; }), evErr},
        {"overrun", with([](LineCounters& c) { c.overrun++; }), evErr},
        {"buffer overrun", with([](LineCounters& c) { c.bufOverrun++; }), evErr},
        {"tx only", with([](LineCounters& c) { c.tx += 5; }), 0},
        {"break with bytes", with([](LineCounters& c) { c.brk++, c.rx++; }), evBreak | evRxChar},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LineEventTracker tracker(Counted(base));
        EXPECT_EQ(tracker.Update(Counted(c.after)), c.events);
        EXPECT_EQ(tracker.Update(Counted(c.after)), 0u) << "an event is reported once";
    }
}

TEST(LineEventTracker, WithoutCountersInputGrowthAndLineLevelsCount) {
    LineEventTracker tracker(Queues(0, 0));
    EXPECT_EQ(tracker.Update(Queues(3, 0)), evRxChar);
    EXPECT_EQ(tracker.Update(Queues(3, 0)), 0u) << "unread bytes are not new";
    EXPECT_EQ(tracker.Update(AfterReading(3, Queues(2, 0))), evRxChar)
        << "a handler read the three bytes and two came meanwhile";
    EXPECT_EQ(tracker.Update(AfterReading(5, Queues(0, 0))), 0u) << "reading is no event";
    EXPECT_EQ(tracker.Update(AfterReading(5, Queues(5, 0))), evRxChar);
    EXPECT_EQ(tracker.Update(AfterReading(5, Queues(0, 0))), 0u) << "discarded input";
    EXPECT_EQ(tracker.Update(AfterReading(5, Queues(1, 0))), evRxChar);

    LineSnapshot lines = Queues(0, 0);
    lines.modemLines = TIOCM_DSR;
    LineEventTracker levels(lines);
    lines.modemLines = TIOCM_CTS | TIOCM_CAR | TIOCM_RNG;
    EXPECT_EQ(levels.Update(lines), evCTS | evDSR | evRLSD | evRing);
    lines.modemLines = TIOCM_CTS | TIOCM_CAR;
    EXPECT_EQ(levels.Update(lines), 0u) << "the ring indicator counts when it comes on";
}

TEST(LineEventTracker, TransmitQueueEmptiesOnceAfterOutput) {
    LineEventTracker tracker;
    EXPECT_EQ(tracker.Update(Queues(0, 0)), 0u) << "no output, no event";
    tracker.ArmTxEmpty();
    EXPECT_EQ(tracker.Update(Queues(0, 0)), evTxEmpty);
    EXPECT_EQ(tracker.Update(Queues(0, 0)), 0u);
    EXPECT_EQ(tracker.Update(Queues(0, 40)), 0u);
    EXPECT_EQ(tracker.Update(Queues(0, 8)), 0u);
    EXPECT_EQ(tracker.Update(Queues(5, 0)), evRxChar | evTxEmpty);
}

TEST(LineEventTracker, InputCrossingEightyPercentCountsOnTheWayUp) {
    LineEventTracker tracker;
    EXPECT_EQ(tracker.Update(Queues(3276, 0)), evRxChar);
    EXPECT_EQ(tracker.Update(Queues(3277, 0)), evRxChar | evRx80Full);
    EXPECT_EQ(tracker.Update(Queues(4000, 0)), evRxChar);
    EXPECT_EQ(tracker.Update(AfterReading(3900, Queues(100, 0))), 0u);
    EXPECT_EQ(tracker.Update(AfterReading(3900, Queues(3500, 0))), evRxChar | evRx80Full);
}

TEST(LineEventTracker, ReceivedBytesCountWhereTheDriverCountsOnlyLineEvents) {
    // USB CDC-ACM drivers keep the modem and error counters but not rx.
    const LineCounters counters{1, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    LineEventTracker tracker(Counted(counters));
    EXPECT_EQ(tracker.Update(Counted(counters, 3)), evRxChar);
    EXPECT_EQ(tracker.Update(Counted(counters, 3)), 0u);
    EXPECT_EQ(tracker.Update(AfterReading(3, Counted(counters, 1))), evRxChar);
}

} // namespace
} // namespace zephra::serial::detail
