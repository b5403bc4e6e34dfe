#include "acquisition/CollectionRun.h"

#include "acquisition/ContinuousReply.h"
#include "acquisition/WeightReply.h"
#include "support/RecordingBoxes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using namespace zephra;
using zephra::test::RecordingBoxes;

namespace {

class FakeClock : public RunClock {
public:
    std::int64_t NowMs() override { return now; }
    std::time_t WallTime() override { return wall; }
    std::int64_t now = 5'000'000;
    std::time_t wall = 1778743867; // 2026-05-14 07:31:07 UTC
};

// A balance whose load grows steadily with the simulated time; each request
// takes `replyMs` of it. Request 0 is the starting weight.
class FakeBalance : public Balance {
public:
    explicit FakeBalance(FakeClock& clock) : clock_(clock) {}

    void Tare() override {
        if (failTare)
            throw BalanceError("Timeout");
        tareMs_ = clock_.now;
    }
    WeightReading GetWeight() override {
        const int request = requests++;
        requestTimes.push_back(clock_.now);
        clock_.now += replyMs;
        if (request == throwAt)
            throw BalanceError(throwText, throwGone);
        if (request == unreadableAt)
            return ParseWeightReply("+   12.34  g\r");
        const double grams =
            gramsPerRequest > 0
                ? 250.0 + gramsPerRequest * request
                : 250.0 + gramsPerSecond * static_cast<double>(clock_.now - tareMs_) / 1000.0;
        return {std::to_string(grams), grams, false};
    }
    void Close() noexcept override { ++closes; }

    double gramsPerSecond = 0.5;
    double gramsPerRequest = 0.0; // when above 0: the load grows by request, not by time
    std::int64_t replyMs = 133;
    int throwAt = -1;
    std::string throwText = "Timeout";
    bool throwGone = false; // the error says the device is gone
    int unreadableAt = -1;
    bool failTare = false;
    int requests = 0;
    int closes = 0;
    std::vector<std::int64_t> requestTimes; // the clock at each weight request

private:
    FakeClock& clock_;
    std::int64_t tareMs_ = 0;
};

// Exchanges that happen at once on the test's thread, so that the schedule
// runs on simulated time. While `hold` is set an outcome stays pending.
class ImmediateExchanges : public BalanceExchanges {
public:
    ImmediateExchanges(Balance& balance, RunClock& clock) : balance_(balance), clock_(clock) {}
    void Begin(bool tare) override {
        ++begun;
        outcome_ = Exchange(balance_, clock_, tare);
    }
    std::optional<ExchangeOutcome> TakeOutcome() override {
        if (hold)
            return std::nullopt;
        std::optional<ExchangeOutcome> outcome = std::move(outcome_);
        outcome_.reset();
        return outcome;
    }
    void Release() noexcept override {
        released = true;
        balance_.Close();
    }
    bool Released() const override { return released; }

    bool hold = false;
    bool released = false;
    int begun = 0;

private:
    Balance& balance_;
    RunClock& clock_;
    std::optional<ExchangeOutcome> outcome_;
};

// A wine that remembers what was last shown of it.
class FakeTarget : public CollectionTarget {
public:
    TWineClass& Wine() override { return wine; }
    void Refresh() override {
        ++refreshes;
        shown = wine.WineRec;
    }
    bool ShowsTheWineAsItStands() const {
        return std::memcmp(&shown, &wine.WineRec, sizeof shown) == 0;
    }
    TWineClass wine;
    TWineRec shown{};
    int refreshes = 0;
};

class Recorder : public RunObserver {
public:
    explicit Recorder(FakeClock& clock) : clock_(clock) {}
    void CountdownChanged(const std::string& text) override { countdowns.push_back(text); }
    void PointStored(const StoredPoint& point) override {
        points.push_back(point.index);
        EXPECT_EQ(point.pointsInRecord, point.index);
        if (stopAfterPoint == point.index && run)
            run->RequestStop();
    }
    void Collapsed(double interval, int) override {
        collapses.emplace_back(clock_.now, interval);
        if (stopAtCollapse && run)
            run->RequestStop();
    }
    void Resumed(std::int64_t stalledMs) override { stalls.push_back(stalledMs); }
    void Ended(RunEnd end) override {
        ends.push_back(end);
        if (boxes)
            boxesWhenEnded = boxes->shown.size();
    }

    std::vector<std::string> countdowns;
    std::vector<int> points;
    std::vector<std::pair<std::int64_t, double>> collapses;
    std::vector<std::int64_t> stalls;
    std::vector<RunEnd> ends;
    const RecordingBoxes* boxes = nullptr;
    std::size_t boxesWhenEnded = 0;
    int stopAfterPoint = -1;
    bool stopAtCollapse = false;
    CollectionRun* run = nullptr;

private:
    FakeClock& clock_;
};

class CollectionRunTest : public ::testing::Test {
protected:
    // Runs a whole collection with a pass every `passMs` of simulated time;
    // `eachPass` acts on the run before each pass.
    void RunCollection(int maxMinutes, std::int64_t passMs = 100,
                       const std::function<void(CollectionRun&)>& eachPass = {}) {
        CollectionRun run(target, exchanges, clock, boxes, {1.0, maxMinutes}, &recorder);
        recorder.run = &run;
        run.ClearRecord();
        startMs = clock.now; // the request of the starting weight
        run.Start();
        for (int guard = 0; run.Running() && guard < 10'000'000; ++guard) {
            clock.now += passMs;
            if (eachPass)
                eachPass(run);
            run.Pass();
        }
        ASSERT_FALSE(run.Running());
        end = run.End();
        started = run.Started();
        endMs = clock.now;
    }
    int StoredPoints() const {
        int n = 0;
        while (n < 36 && !Data().V[n].empty())
            ++n;
        return n;
    }
    // Seconds of point i (1-based) as stored.
    int PointSeconds(int i) const {
        return std::stoi(std::string(Data().T[i - 1].M.text())) * 60 +
               std::stoi(std::string(Data().T[i - 1].Sc.text()));
    }
    const TData& Data() const { return target.wine.WineRec.Data; }

    FakeClock clock;
    FakeBalance balance{clock};
    ImmediateExchanges exchanges{balance, clock};
    FakeTarget target;
    RecordingBoxes boxes;
    Recorder recorder{clock};
    RunEnd end = RunEnd::Running;
    bool started = false;
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;
};

TEST_F(CollectionRunTest, NineMinutesGiveExactly36PointsAt15SecondsWithoutThinning) {
    RunCollection(9);
    EXPECT_EQ(end, RunEnd::MaxDuration);
    EXPECT_TRUE(started);
    EXPECT_EQ(StoredPoints(), 36);
    EXPECT_TRUE(recorder.collapses.empty());
    EXPECT_TRUE(boxes.shown.empty());
    for (int i = 1; i <= 36; ++i)
        EXPECT_EQ(PointSeconds(i), 15 * i) << i;
    // 0.5 g/s from the starting weight's reply to the reading's: the reading
    // is asked for on the first pass 15 s after the starting weight was.
    EXPECT_EQ(Data().V[0].text(), "   7.5");  // 15.033 s
    EXPECT_EQ(Data().V[35].text(), " 270.0"); // 540.033 s
    EXPECT_EQ(recorder.countdowns.front(), " 0:15");
    EXPECT_LT(endMs - startMs, 540'000 + 300);
    EXPECT_GE(balance.closes, 1);
}

TEST_F(CollectionRunTest, EighteenMinutesThinAt555SecondsAndContinueEvery30Seconds) {
    RunCollection(18);
    EXPECT_EQ(end, RunEnd::MaxDuration);
    ASSERT_EQ(recorder.collapses.size(), 1u);
    const std::int64_t collapseAt = recorder.collapses[0].first - startMs;
    EXPECT_GE(collapseAt, 555'000);
    EXPECT_LT(collapseAt, 555'100);
    EXPECT_EQ(recorder.collapses[0].second, 30.0);
    EXPECT_EQ(StoredPoints(), 36);
    for (int i = 1; i <= 36; ++i)
        EXPECT_EQ(PointSeconds(i), 30 * i) << i;
    // stage 1 stored 1..36, stage 2 19..36
    EXPECT_EQ(recorder.points.size(), 36u + 18u);
    EXPECT_EQ(recorder.points[36], 19);
    EXPECT_LT(endMs - startMs, 1'080'000 + 300);
}

// When the passes stop for a while (the computer slept, the program was
// stopped), the readings missed are not made up one per pass with the same
// time: one reading is taken at once and the schedule starts again from it,
// the next reading a whole interval later. A run that stood still for more than two reading
// intervals tells its observer how long. No point is ever stored at a time
// (as stored, in whole seconds) not after the previous point's.
TEST_F(CollectionRunTest, AfterAStallOneReadingIsTakenAtOnceAndTheScheduleGoesOn) {
    struct Case {
        const char* name;
        int maxMinutes;
        std::int64_t stallFromMs; // no pass from here (run time) ...
        std::int64_t stallToMs;   // ... to here
        std::int64_t stopAtMs;
        std::vector<int> seconds; // the points in the record at the end
        bool stallNoted;
    };
    std::vector<int> thinnedThenResumed;
    for (int i = 1; i <= 18; ++i)
        thinnedThenResumed.push_back(30 * i);
    thinnedThenResumed.insert(thinnedThenResumed.end(), {600, 630});
    const Case cases[] = {
        {"50 s still after the first point", 9, 20'000, 70'000, 86'000, {15, 70, 85}, true},
        {"almost two intervals still after the first point",
         9,
         16'000,
         44'500,
         60'000,
         {15, 45, 60},
         false},
        {"the first reading late to the second's second",
         9,
         100,
         29'600,
         61'000,
         {30, 45, 60},
         false},
        {"a minute still across the thinning", 18, 541'000, 600'000, 631'000, thinnedThenResumed,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeClock clock;
        FakeBalance balance(clock);
        balance.gramsPerSecond = 20.0; // over 1 ml within one reply
        ImmediateExchanges exchanges(balance, clock);
        FakeTarget target;
        RecordingBoxes boxes;
        Recorder recorder(clock);
        CollectionRun run(target, exchanges, clock, boxes, {1.0, c.maxMinutes}, &recorder);
        run.ClearRecord();
        run.Start();
        const std::int64_t start = clock.now;
        while (run.Running() && clock.now - start < c.stopAtMs) {
            clock.now += 100;
            if (clock.now - start >= c.stallFromMs && clock.now - start < c.stallToMs)
                clock.now = start + c.stallToMs;
            run.Pass();
        }
        run.RequestStop();
        run.Pass();
        const TData& data = target.wine.WineRec.Data;
        std::vector<int> seconds;
        for (int i = 0; i < 36 && !data.V[i].empty(); ++i)
            seconds.push_back(std::stoi(std::string(data.T[i].M.text())) * 60 +
                              std::stoi(std::string(data.T[i].Sc.text())));
        EXPECT_EQ(seconds, c.seconds);
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_EQ(recorder.stalls.size(), c.stallNoted ? 1u : 0u);
        if (c.stallNoted && !recorder.stalls.empty()) {
            EXPECT_GE(recorder.stalls[0], c.stallToMs - c.stallFromMs);
            EXPECT_LE(recorder.stalls[0], c.stallToMs - c.stallFromMs + 300);
        }
    }
}

// A stall at a low flow: after the catch-up reading the next one comes at
// least one interval later, never on a slot a second away, so a flow that
// gains over 1 ml per interval never ends the run with a too small gain.
// The program stopped from 20 s for 38.5 s at 0.8 ml/s: the catch-up reading
// at 58.5 s, the next not before 73.5 s.
TEST_F(CollectionRunTest, AfterACatchUpReadingTheNextComesAFullIntervalLater) {
    balance.gramsPerSecond = 0.2; // 3 ml per 15 s, under 1 ml in 5 s
    RunCollection(9, 100, [&](CollectionRun&) {
        if (clock.now - startMs > 20'000 && clock.now - startMs < 58'500)
            clock.now = startMs + 58'500;
    });
    EXPECT_EQ(end, RunEnd::MaxDuration);
    EXPECT_TRUE(boxes.shown.empty());
    ASSERT_EQ(recorder.stalls.size(), 1u);
    ASSERT_GE(StoredPoints(), 3);
    EXPECT_EQ(PointSeconds(1), 15);
    EXPECT_GE(PointSeconds(2), 58); // the catch-up reading at 58.5 s
    EXPECT_LE(PointSeconds(2), 59);
    for (int i = 3; i <= StoredPoints(); ++i)
        EXPECT_GE(PointSeconds(i) - PointSeconds(i - 1), 15) << i;
}

TEST_F(CollectionRunTest, StopRequestEndsTheRunAtTheNextPassKeepingThePoints) {
    recorder.stopAfterPoint = 3;
    RunCollection(18);
    EXPECT_EQ(end, RunEnd::StopKey);
    EXPECT_EQ(StoredPoints(), 3);
    EXPECT_LT(endMs - startMs, 45'500);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_GE(balance.closes, 1);
}

TEST_F(CollectionRunTest, FirstReadingUnder1MlStopsWithTheVolumeMessage) {
    balance.gramsPerSecond = 0.06; // 0.9 g in the first 15 s
    RunCollection(18);
    EXPECT_EQ(end, RunEnd::VolumeTooSmall);
    EXPECT_EQ(StoredPoints(), 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, BoxKind::Information);
    EXPECT_EQ(boxes.shown[0].text, VolumeTooSmallText);
}

TEST_F(CollectionRunTest, UnreadableRepliesStopWithTheTroubleMessage) {
    for (int request : {0, 3}) {
        SCOPED_TRACE(request);
        FakeClock c;
        FakeBalance b(c);
        ImmediateExchanges e(b, c);
        FakeTarget t;
        RecordingBoxes shown;
        b.unreadableAt = request;
        CollectionRun run(t, e, c, shown, {1.0, 18});
        run.ClearRecord();
        run.Start();
        while (run.Running()) {
            c.now += 100;
            run.Pass();
        }
        EXPECT_EQ(run.End(), request == 0 ? RunEnd::StartUnreadable : RunEnd::ReadingUnreadable);
        EXPECT_EQ(t.wine.WineRec.Data.V[1].empty(), request == 0);
        EXPECT_TRUE(t.wine.WineRec.Data.V[2].empty());
        ASSERT_EQ(shown.shown.size(), 1u);
        EXPECT_EQ(shown.shown[0].text, TroubleReadingText);
        EXPECT_GE(b.closes, 1);
    }
}

// A balance that answers with the readings it is given, one per request
// (the first is the starting weight), and with an unreadable reply after
// the last.
class ScriptedBalance : public Balance {
public:
    explicit ScriptedBalance(std::vector<WeightReading> readings)
        : readings_(std::move(readings)) {}
    void Tare() override {}
    WeightReading GetWeight() override {
        return next_ < readings_.size() ? readings_[next_++] : ParseWeightReply("\r");
    }
    void Close() noexcept override {}

private:
    std::vector<WeightReading> readings_;
    std::size_t next_ = 0;
};

// A weight no tared laboratory balance gives (beyond 100 kg, not finite,
// below zero by more than the tare's noise) and a volume too large for the
// record's six characters end the run with a message that names the value;
// the points before it stay. Nothing is cut to fit but the decimals the
// field has no room for.
TEST(CollectionRunValuesTest, ValuesThatCannotBeStoredEndTheRunNamingThem) {
    const auto line = [](const std::string& text) { return ParseContinuousLine(text + "\r\n"); };
    WeightReading infinite;
    infinite.WeightStr = "inf";
    infinite.WeightVal = std::numeric_limits<double>::infinity();
    struct Case {
        const char* name;
        std::vector<WeightReading> readings;
        double density;
        RunEnd end;
        std::vector<std::string> stored; // the volumes in the record at the end
        const char* named;               // in the message
    };
    const Case cases[] = {
        {"a continuous peer's 2000060 g",
         {line("10 g"), line("60 g"), line("2000060 g")},
         1.0,
         RunEnd::BalanceCondition,
         {"  50.0"},
         "2000060 g"},
        {"fifty 9s in kg",
         {line(std::string(50, '9') + " kg")},
         1.0,
         RunEnd::BalanceCondition,
         {},
         "1e+50 kg"},
        {"a negative starting weight",
         {line("-5 g"), line("60 g")},
         1.0,
         RunEnd::ImplausibleValue,
         {},
         "-5 g"},
        {"a negative reading",
         {line("0 g"), line("20 g"), line("-3.5 g")},
         1.0,
         RunEnd::ImplausibleValue,
         {"  20.0"},
         "-3.5 g"},
        {"a weight that is not finite",
         {line("0 g"), line("20 g"), infinite},
         1.0,
         RunEnd::ImplausibleValue,
         {"  20.0"},
         "inf g"},
        {"a volume of seven digits",
         {line("-0.5 g"), line("20 g"), line("100000 g")},
         0.1,
         RunEnd::ImplausibleValue,
         {" 205.0"},
         "1000005.0 ml"},
        {"the tare's noise below zero",
         {line("-0.4 g"), line("20 g")},
         1.0,
         RunEnd::ReadingUnreadable,
         {"  20.4"},
         TroubleReadingText},
        {"a volume whose decimal has no room",
         {line("0 g"), line("12345.6 g")},
         1.0,
         RunEnd::ReadingUnreadable,
         {"12345."},
         TroubleReadingText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeClock clock;
        ScriptedBalance balance(c.readings);
        ImmediateExchanges exchanges(balance, clock);
        FakeTarget target;
        RecordingBoxes boxes;
        CollectionRun run(target, exchanges, clock, boxes, {c.density, 18});
        run.ClearRecord();
        run.Start();
        while (run.Running()) {
            clock.now += 100;
            run.Pass();
        }
        EXPECT_EQ(run.End(), c.end);
        std::vector<std::string> stored;
        for (const auto& volume : target.wine.WineRec.Data.V) {
            if (!volume.empty())
                stored.emplace_back(volume.text());
        }
        EXPECT_EQ(stored, c.stored);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_NE(boxes.shown[0].text.find(c.named), std::string::npos) << boxes.shown[0].text;
    }
}

TEST_F(CollectionRunTest, PortErrorMidRunEndsCleanlyKeepingThePoints) {
    balance.throwAt = 5;
    RunCollection(18);
    EXPECT_EQ(end, RunEnd::PortError);
    EXPECT_EQ(StoredPoints(), 4);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error);
    EXPECT_NE(boxes.shown[0].text.find("Timeout"), std::string::npos);
    EXPECT_GE(balance.closes, 1);
}

// A failing link ends the run with its message; a balance whose device is
// gone (unplugged) is said to be no longer connected. The observer hears of
// the end before the message shows, so that no countdown goes on behind it.
TEST_F(CollectionRunTest, LinkFailureSaysWhetherTheBalanceIsStillConnected) {
    struct Case {
        const char* error;
        bool gone;
        const char* message;
    };
    const Case cases[] = {
        {"COM1: Timeout", false,
         "The scale could not be read (COM1: Timeout). Data collection will exit."},
        {"COM1: No such file or directory", true,
         "The balance is no longer connected (COM1: No such file or directory). Data collection "
         "will exit."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        FakeClock clock;
        FakeBalance balance(clock);
        ImmediateExchanges exchanges(balance, clock);
        FakeTarget target;
        RecordingBoxes boxes;
        Recorder recorder(clock);
        recorder.boxes = &boxes;
        balance.throwAt = 3;
        balance.throwText = c.error;
        balance.throwGone = c.gone;
        CollectionRun run(target, exchanges, clock, boxes, {1.0, 18}, &recorder);
        run.ClearRecord();
        run.Start();
        while (run.Running()) {
            clock.now += 100;
            run.Pass();
        }
        EXPECT_EQ(run.End(), RunEnd::PortError);
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error);
        EXPECT_EQ(boxes.shown[0].text, c.message);
        EXPECT_EQ(recorder.ends, std::vector<RunEnd>{RunEnd::PortError});
        EXPECT_EQ(recorder.boxesWhenEnded, 0u);
    }
}

TEST_F(CollectionRunTest, PortErrorAtTheTareEndsBeforeAnyReading) {
    balance.failTare = true;
    RunCollection(18);
    EXPECT_EQ(end, RunEnd::PortError);
    EXPECT_EQ(balance.requests, 0);
    EXPECT_FALSE(started);
}

TEST_F(CollectionRunTest, ClearRecordEmptiesPointsAndBlanksResults) {
    TWineRec& rec = target.wine.WineRec;
    rec.Data.V[35].assign("  99.9");
    rec.Data.T[35].M.assign(" 18");
    rec.Data.MinSkip.set(5);
    rec.ExpectedVolE.assign("12345 gallons");
    rec.a.assign("1.23456");
    rec.LabFaceVel.assign("0.25");
    CollectionRun run(target, exchanges, clock, boxes, {1.0, 9});
    run.ClearRecord();
    EXPECT_TRUE(rec.Data.V[35].empty());
    EXPECT_TRUE(rec.Data.T[35].M.empty());
    EXPECT_EQ(rec.Data.MinSkip.get(), 1);
    EXPECT_EQ(rec.ExpectedVolE.text(), "      ");
    EXPECT_EQ(rec.a.text(), "       ");
    EXPECT_EQ(rec.LabFaceVel.text(), "    ");
    EXPECT_EQ(rec.bE.text(), "     ");
    EXPECT_TRUE(target.wine.Modified);
    EXPECT_EQ(target.refreshes, 1);
    EXPECT_TRUE(target.ShowsTheWineAsItStands());
}

// Every way a run can end before its first point: the wine gets back its
// record byte for byte and its Modified flag, whatever that flag was.
TEST_F(CollectionRunTest, RunThatStoresNoPointGivesTheWineBackAsItWas) {
    struct Case {
        const char* name;
        std::function<void(FakeBalance&)> arrange;
        std::int64_t stopAfterMs; // a stop request after this much run time; -1: none
        RunEnd end;
    };
    const Case cases[] = {
        {"starting weight unreadable", [](FakeBalance& b) { b.unreadableAt = 0; }, -1,
         RunEnd::StartUnreadable},
        {"tare fails", [](FakeBalance& b) { b.failTare = true; }, -1, RunEnd::PortError},
        {"starting weight times out", [](FakeBalance& b) { b.throwAt = 0; }, -1, RunEnd::PortError},
        {"first reading unreadable", [](FakeBalance& b) { b.unreadableAt = 1; }, -1,
         RunEnd::ReadingUnreadable},
        {"first reading times out", [](FakeBalance& b) { b.throwAt = 1; }, -1, RunEnd::PortError},
        {"first gain under 1 ml", [](FakeBalance& b) { b.gramsPerSecond = 0.06; }, -1,
         RunEnd::VolumeTooSmall},
        {"stopped before the first point", [](FakeBalance&) {}, 10'000, RunEnd::StopKey},
    };
    for (const Case& c : cases) {
        for (const bool modified : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (modified ? ", modified" : ", unmodified"));
            FakeClock clock;
            FakeBalance balance(clock);
            ImmediateExchanges exchanges(balance, clock);
            FakeTarget target;
            RecordingBoxes boxes;
            TWineRec& rec = target.wine.WineRec;
            const char* volumes[] = {"  10.0", "  19.5", "  28.1", "  36.0", "  43.2"};
            for (int i = 0; i < 5; ++i) {
                rec.Data.V[i].assign(volumes[i]);
                rec.Data.T[i].M.assign("  " + std::to_string(i));
                rec.Data.T[i].Sc.assign("30");
            }
            rec.Data.MinSkip.set(2);
            rec.ExpectedVolE.assign("  1234");
            rec.a.assign("0.01234");
            target.wine.Notes.Comments = "First trial";
            target.wine.Notes.TrialStarted = "2025-10-01T08:00:00+02:00";
            target.wine.Modified = modified;
            const TWineRec before = rec;
            const WineNotes notesBefore = target.wine.Notes;
            c.arrange(balance);

            CollectionRun run(target, exchanges, clock, boxes, {1.0, 18});
            run.ClearRecord();
            run.Start();
            const std::int64_t start = clock.now;
            while (run.Running()) {
                clock.now += 100;
                if (c.stopAfterMs >= 0 && clock.now - start >= c.stopAfterMs)
                    run.RequestStop();
                run.Pass();
            }
            EXPECT_EQ(run.End(), c.end);
            EXPECT_FALSE(run.StoredAny());
            EXPECT_EQ(std::memcmp(&rec, &before, sizeof rec), 0);
            EXPECT_EQ(target.wine.Notes, notesBefore);
            EXPECT_EQ(target.wine.Modified, modified);
            EXPECT_TRUE(target.ShowsTheWineAsItStands());
            EXPECT_TRUE(exchanges.released);
        }
    }
}

// Saving the cleared wine during the run wrote a file without the old
// points: the wine given back stays marked modified.
TEST_F(CollectionRunTest, WineSavedDuringARunWithoutPointsStaysModified) {
    RunCollection(18, 100, [&](CollectionRun& run) {
        // The passes follow the starting weight's reply.
        if (clock.now - startMs == 5'133)
            target.wine.Modified = false;
        if (clock.now - startMs == 10'133)
            run.RequestStop();
    });
    EXPECT_EQ(end, RunEnd::StopKey);
    EXPECT_EQ(StoredPoints(), 0);
    EXPECT_TRUE(target.wine.Modified);
}

TEST_F(CollectionRunTest, RunWithOnePointKeepsItAndStaysModified) {
    target.wine.WineRec.Data.V[4].assign("  43.2");
    recorder.stopAfterPoint = 1;
    RunCollection(18);
    EXPECT_EQ(end, RunEnd::StopKey);
    EXPECT_EQ(StoredPoints(), 1);
    EXPECT_TRUE(target.wine.WineRec.Data.V[4].empty());
    EXPECT_TRUE(target.wine.Modified);
    EXPECT_EQ(target.refreshes, 2); // cleared, then the point
    EXPECT_TRUE(target.ShowsTheWineAsItStands());
}

// The wine keeps the wall-clock time its starting weight was read, beside
// its other notes.
TEST_F(CollectionRunTest, TrialStartIsTheTimeTheStartingWeightWasRead) {
    target.wine.Notes.Comments = "Second trial";
    target.wine.Notes.TrialStarted = "2025-10-01T08:00:00+02:00";
    recorder.stopAfterPoint = 1;
    RunCollection(18);
    EXPECT_EQ(StoredPoints(), 1);
    EXPECT_EQ(target.wine.Notes.TrialStarted, TrialStartedText(clock.wall));
    EXPECT_EQ(target.wine.Notes.Comments, "Second trial");
}

// Each reading is timed at its request, from the starting weight's request:
// the record keeps whole seconds, the notes tenths of a second; after a
// thinning the notes' times still belong to their points. A slow reply
// does not move the times.
TEST_F(CollectionRunTest, ReadingsAreTimedAtTheRequestToATenthOfASecond) {
    balance.replyMs = 900;
    target.wine.Notes.ReadingTimesDs = {1, 2, 3}; // of an earlier run
    RunCollection(18);
    ASSERT_EQ(StoredPoints(), 36);
    ASSERT_EQ(recorder.collapses.size(), 1u);
    const std::vector<std::optional<int>>& times = target.wine.Notes.ReadingTimesDs;
    ASSERT_EQ(times.size(), 36u);
    std::vector<int> requested;
    for (const std::int64_t at : balance.requestTimes)
        requested.push_back(static_cast<int>(std::llround((at - balance.requestTimes[0]) / 100.0)));
    int previous = 0;
    for (int i = 1; i <= 36; ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(times[i - 1]);
        const int ds = *times[i - 1];
        EXPECT_GT(ds, previous);
        EXPECT_LE(std::abs(ds - 10 * PointSeconds(i)), 5);
        EXPECT_NE(std::find(requested.begin(), requested.end(), ds), requested.end());
        previous = ds;
    }
    // Point 1 after the thinning is the second reading, taken at about 30 s.
    EXPECT_EQ(*times[0], requested[2]);
    EXPECT_EQ(PointSeconds(1), 30);

    // A run that stores no point gives the wine its times back.
    FakeTarget other;
    other.wine.Notes.ReadingTimesDs = {150, 300};
    balance.unreadableAt = balance.requests + 1;
    CollectionRun run(other, exchanges, clock, boxes, {1.0, 18});
    run.ClearRecord();
    EXPECT_TRUE(other.wine.Notes.ReadingTimesDs.empty());
    run.Start();
    for (int guard = 0; run.Running() && guard < 1000; ++guard) {
        clock.now += 100;
        run.Pass();
    }
    EXPECT_FALSE(run.StoredAny());
    EXPECT_EQ(other.wine.Notes.ReadingTimesDs, (std::vector<std::optional<int>>{150, 300}));
}

// While the balance has not answered, passes go on without beginning another
// exchange or storing anything; the outcome is taken up when it comes, with
// the time of its reply, and a stop request does not wait for it.
TEST_F(CollectionRunTest, PendingExchangeIsTakenUpLaterAndStopDoesNotWaitForIt) {
    CollectionRun run(target, exchanges, clock, boxes, {1.0, 18}, &recorder);
    run.ClearRecord();
    run.Start();
    ASSERT_TRUE(run.Started());
    const std::int64_t start = clock.now;
    exchanges.hold = true;
    clock.now = start + 15'000;
    run.Pass(); // the first reading begins: its reply comes 133 ms later
    for (int i = 0; i < 50; ++i) {
        clock.now += 100;
        run.Pass();
    }
    EXPECT_EQ(exchanges.begun, 2);
    EXPECT_EQ(StoredPoints(), 0);
    EXPECT_EQ(recorder.countdowns.size(), 0u);
    EXPECT_TRUE(run.Running());

    exchanges.hold = false;
    run.Pass();
    ASSERT_EQ(StoredPoints(), 1);
    EXPECT_EQ(PointSeconds(1), 15);
    // From the starting weight's request to the reading's reply.
    EXPECT_EQ(run.ElapsedMs(), 133 + 15'000 + 133);

    exchanges.hold = true;
    clock.now = start + 30'000;
    run.Pass(); // the second reading begins and stays pending
    EXPECT_EQ(exchanges.begun, 3);
    run.RequestStop();
    run.Pass();
    EXPECT_FALSE(run.Running());
    EXPECT_EQ(run.End(), RunEnd::StopKey);
    EXPECT_TRUE(exchanges.released);
    EXPECT_EQ(StoredPoints(), 1);
    EXPECT_TRUE(boxes.shown.empty());
}

// A save during the run clears the wine's Modified flag; whatever the run
// changes afterwards (a point, the thinning) is not in that file, so it
// marks the wine modified again.
TEST_F(CollectionRunTest, EveryChangeAfterASaveMarksTheWineModified) {
    struct Case {
        const char* name;
        int savedAfterPoints; // the wine is saved once the record holds these
        int stopAfterPoint;   // -1: stop at the thinning instead
    };
    const Case cases[] = {
        {"two points after a save", 1, 3},
        {"the thinning after a save", 36, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeClock clock;
        FakeBalance balance(clock);
        ImmediateExchanges exchanges(balance, clock);
        FakeTarget target;
        RecordingBoxes boxes;
        Recorder recorder(clock);
        CollectionRun run(target, exchanges, clock, boxes, {1.0, 18}, &recorder);
        recorder.run = &run;
        recorder.stopAfterPoint = c.stopAfterPoint;
        recorder.stopAtCollapse = c.stopAfterPoint < 0;
        run.ClearRecord();
        run.Start();
        bool saved = false;
        while (run.Running()) {
            clock.now += 100;
            if (!saved && run.PointsInRecord() == c.savedAfterPoints) {
                target.wine.Modified = false;
                saved = true;
            }
            run.Pass();
        }
        EXPECT_EQ(run.End(), RunEnd::StopKey);
        EXPECT_TRUE(saved);
        EXPECT_TRUE(target.wine.Modified);
    }
}

// The question after a run does not call the data complete when the
// balance or its link failed.
TEST(SaveQuestionTest, SaysCompleteOnlyAfterANormalEnd) {
    const std::pair<RunEnd, const char*> cases[] = {
        {RunEnd::MaxDuration, SaveQuestionText},
        {RunEnd::StopKey, SaveQuestionText},
        {RunEnd::VolumeTooSmall, SaveQuestionText},
        {RunEnd::IntervalLimit, SaveQuestionText},
        {RunEnd::ReadingUnreadable, StoppedSaveQuestionText},
        {RunEnd::StartUnreadable, StoppedSaveQuestionText},
        {RunEnd::PortError, StoppedSaveQuestionText},
        {RunEnd::ImplausibleValue, StoppedSaveQuestionText},
        {RunEnd::BalanceCondition, StoppedSaveQuestionText},
    };
    for (const auto& [end, question] : cases)
        EXPECT_STREQ(SaveQuestion(end), question) << static_cast<int>(end);
}

TEST_F(CollectionRunTest, IntervalStopsDoublingAtItsUpperBound) {
    // Days of readings: a load that grows by reading stays on the balance.
    balance.gramsPerRequest = 2.0;
    RunCollection(1'000'000, 500'000);
    EXPECT_EQ(end, RunEnd::IntervalLimit);
    EXPECT_EQ(recorder.collapses.size(), 16u); // 15 s x 2^16 is the first interval past the bound
}

} // namespace
