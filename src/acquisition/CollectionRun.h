#pragma once

#include "acquisition/BalanceExchanges.h"
#include "acquisition/ReadingTexts.h"
#include "acquisition/RunClock.h"
#include "analysis/VmaxTracker.h"
#include "document/MessageBoxes.h"
#include "document/WineRec.h"

#include <cstdint>
#include <string>

namespace zephra {

// The messages of a run.
inline constexpr const char* TroubleReadingText =
    "Trouble reading starting weight. Data collection will exit.";
inline constexpr const char* VolumeTooSmallText =
    "Volume collected over the last interval is too small. Data collection will exit.";
inline constexpr const char* SaveQuestionText =
    "Data collection is complete. Would you like to save the new data to a file?";
inline constexpr const char* StoppedSaveQuestionText =
    "Data collection has stopped. Would you like to save the new data to a file?";

// The wine a run writes into, as its window (or the command-line tool)
// holds it. The run changes and recalculates the record itself; whoever
// shows the wine only shows it again.
class CollectionTarget {
public:
    virtual ~CollectionTarget() = default;
    virtual TWineClass& Wine() = 0;
    // Shows the wine again as it stands (report panels, graph); nothing to
    // calculate.
    virtual void Refresh() = 0;
    // A point was stored and shown: the wine holds data that no file holds
    // yet. The target keeps it safe from a crash (the command-line tool
    // saves the wine file, the desktop appends it to the recovery journal).
    // Returns what went wrong, empty when all went well.
    virtual std::string KeepStoredPoint() { return {}; }
};

// One stored reading as the run took it, with everything a window or the
// command-line tool shows of it: the run has already recalculated the
// wine and analysed the trial with this point.
struct StoredPoint {
    int index = 0;           // 1 to 36
    ReadingTexts texts;      // as stored in the record
    double grams = 0.0;      // the balance's reading
    double volumeMl = 0.0;   // volume gained since the start
    int pointsInRecord = 0;  // points the record holds now
    std::string lastReading; // "212.40 g, 213.5 ml" (LastReadingText)
    // The live fouling analysis: Vmax with its interval and the best law,
    // shown from the fourth fitted point on, and whether the trial can stop.
    VmaxTrackerStatus vmax;
    std::string vmaxText;    // VmaxIntervalText
    std::string bestLawText; // BestLawText
    std::string vmaxLine;    // VmaxTrackerLine: the whole status in one line
    // Why the target could not keep the point safe (see
    // CollectionTarget::KeepStoredPoint); empty when it could.
    std::string keepProblem;
};

// Why a run ended.
enum class RunEnd {
    Running,           // not ended yet
    MaxDuration,       // the chosen maximum duration passed
    StopKey,           // the user asked to stop (the X key, Ctrl+C in the tool)
    StartUnreadable,   // the starting weight was no number
    ReadingUnreadable, // a later reply was no number
    VolumeTooSmall,    // less than 1 ml gained since the previous point
    IntervalLimit,     // the reading interval reached its upper bound
    PortError,         // the link to the balance failed
    BalanceCondition,  // the balance reported an overload, an error... (BalanceConditionText)
    ImplausibleValue,  // a weight below the tare or not finite, a volume too large to store
};

// What a run reports while it goes; every method has a do-nothing default.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // The countdown to the next reading changed (see CountdownText).
    virtual void CountdownChanged(const std::string& text) { (void)text; }
    // A point was stored; the wine is recalculated and shown again.
    virtual void PointStored(const StoredPoint& point) { (void)point; }
    // The set was thinned to `pointsInRecord` points for the interval
    // `intervalSeconds`; the wine is recalculated and shown again.
    virtual void Collapsed(double intervalSeconds, int pointsInRecord) {
        (void)intervalSeconds;
        (void)pointsInRecord;
    }
    // The run's passes had stopped for `stalledMs` (the computer slept, the
    // program was stopped), longer than two reading intervals. The readings
    // missed are not made up: one is taken at once and the schedule goes on
    // from its next slot.
    virtual void Resumed(std::int64_t stalledMs) { (void)stalledMs; }
    // The run has ended (before any message about its end is shown): no
    // countdown goes on.
    virtual void Ended(RunEnd end) { (void)end; }
};

// The question after a run that stored points: the specified one after a
// run that ended normally (by time, on request, on a too small gain, at the
// interval's bound), one that does not call the data complete after a
// failure of the balance or its link.
const char* SaveQuestion(RunEnd end);

// Why a run cannot begin on a wine with these notes: with the comments, the
// full names and any keys of a later version they leave no room after the
// record for the time the trial starts and 36 readings' times, so no point
// could be saved. Empty when they fit. Checked before a run begins, as the
// conditions dialog checks what is typed.
std::string RunRoomProblem(const WineNotes& notes);

// Settings chosen for a run.
struct RunSettings {
    double Density = 1.0; // g/ml
    int MaxMinutes = 18;  // 9, 18, 36, 72 or 144
};

// A timed data collection run, without any window. It owns what it
// computes: after every change of the data it recalculates the wine
// (without message boxes), and after every stored point it analyses the
// trial for the live Vmax; its target only shows the wine again. The owner calls
// `ClearRecord`, shows its progress, calls `Start`, then calls `Pass` often
// (at least every 100 ms keeps the schedule within that) until `Running` is
// false. The schedule depends only on clock comparisons: readings are due at
// the slots k x T seconds after the start, T starting at 15 s and doubling,
// with the data set thinned to its even-numbered points, whenever the 36
// points of a stage are full. After a reading on its slot the schedule goes
// on from the first slot after the moment of its reply, so readings missed
// while the passes had stopped (the computer slept, the program was stopped)
// are not made up: one reading is taken at once, the observer is told of a
// stop longer than two intervals, and the schedule starts again from that
// reading (as from any reading more than a second late), so the next one
// comes a whole interval later. No point is stored at a time (in whole
// seconds, as stored) not after the previous point's. Every change of the
// data marks the wine modified, also after a save during the run. A run ends
// at the maximum duration, on a stop request, on an unreadable reply or one
// that reports a condition of the balance (an overload, an error), on a
// weight no tared balance gives or a volume too large for the record (see
// StorableReading.h), on a volume gain below 1 ml, or when the balance link
// fails; the failure is shown through the message boxes and the points
// stored so far stay.
//
// The exchanges with the balance go on beside the run: a pass that finds a
// reading due begins one and, unless its outcome is there at once, returns;
// a later pass takes the outcome up. The caller never waits for the balance,
// and a stop request ends the run at the next pass even while an exchange
// is pending. When a run has ended its exchanges are released, which closes
// the port.
//
// When the starting weight is read, the wine's notes take the wall-clock time
// as the time the trial started. Each reading is timed at its request, from
// the starting weight's request, the origin of the schedule: the record
// stores the whole seconds, the
// notes the time to a tenth of a second (ReadingTimesDs), which the live
// analysis uses; a thinning thins the notes' times as the points. A run that ends before its first
// point is stored gives the wine back exactly the record and the notes it had before `ClearRecord`
// and its Modified flag (still set when the cleared wine was saved meanwhile, since the file then
// no longer holds what the window shows).
class CollectionRun {
public:
    CollectionRun(CollectionTarget& target, BalanceExchanges& exchanges, RunClock& clock,
                  MessageBoxes& boxes, RunSettings settings, RunObserver* observer = nullptr);

    // Empties the data points, sets MinSkip to 1, blanks the results, marks the
    // wine modified, recalculates and shows it.
    void ClearRecord();
    // Begins the tare and the starting weight; the clock starts at its reply.
    void Start();
    // One pass of the schedule: takes up a pending exchange, begins a reading
    // when one is due, thins the set when a stage is full, updates the
    // countdown, tests the stop conditions.
    void Pass();
    // The stop request (the X key): the run ends at its next pass.
    void RequestStop() { stopRequest_ = true; }

    bool Running() const { return running_; }
    // Whether the starting weight was read, so the schedule began.
    bool Started() const { return started_; }
    RunEnd End() const { return end_; }
    // Whether an exchange with the balance is pending.
    bool AwaitingBalance() const { return awaiting_ != Awaiting::Nothing; }
    // Whether at least one point was stored; if not, the wine is as it was.
    bool StoredAny() const { return storedAny_; }
    // Index of the next point to store (1 to 36; 37 when the stage is full).
    int NextPoint() const { return r_; }
    // Points in the record now (fewer after a thinning than were taken).
    int PointsInRecord() const { return started_ ? r_ - 1 : 0; }
    double IntervalSeconds() const { return interval_; }
    // Milliseconds from the start to the latest clock reading of the run.
    std::int64_t ElapsedMs() const { return started_ ? nowMs_ - startMs_ : 0; }

private:
    enum class Awaiting { Nothing, StartWeight, Reading };

    void PassSteps();
    void NoteStall(std::int64_t passMs);
    double DueSeconds() const;
    void ScheduleNextSlot();
    void ScheduleAfterReading(std::int64_t readingMs);
    bool AfterPreviousPoint(const ReadingTexts& texts) const;
    void BeginExchange(Awaiting what, bool tare);
    bool TakeOutcome();
    void StartWeightArrived(const ExchangeOutcome& outcome);
    bool ReadingArrived(const ExchangeOutcome& outcome);
    void StopOnLinkError(const ExchangeOutcome& outcome);
    void StopOnNoWeight(const WeightReading& reading, RunEnd unreadable);
    bool StopOnImplausible(const std::string& problem);
    void TestMaxDuration();
    void Finish(RunEnd end);
    void Recalculate();
    StoredPoint PointShown(int index, double grams, double volume);
    double ElapsedSeconds() const;

    CollectionTarget& target_;
    BalanceExchanges& exchanges_;
    RunClock& clock_;
    MessageBoxes& boxes_;
    RunSettings settings_;
    RunObserver* observer_;

    TWineRec before_{};
    WineNotes notesBefore_;
    bool modifiedBefore_ = false;

    bool stopRequest_ = false;
    bool running_ = false;
    bool started_ = false;
    bool storedAny_ = false;
    Awaiting awaiting_ = Awaiting::Nothing;
    RunEnd end_ = RunEnd::Running;
    double interval_ = 15.0;
    double previousVolume_ = 0.0;
    double w0_ = 0.0;
    std::int64_t startMs_ = 0; // the request of the starting weight
    std::int64_t nowMs_ = 0;
    std::int64_t lastPassMs_ = 0;
    int r_ = 1;
    // The next reading (or the thinning) is due at gridMs_ + slot_ x T from
    // the start; normally gridMs_ is 0 and slot_ is r_.
    int slot_ = 1;
    std::int64_t gridMs_ = 0;
    // The reading pending was taken off its slot (see ScheduleAfterReading).
    bool offSchedule_ = false;
    // A stall was noted: the next pass takes a reading whatever the slot.
    bool catchUp_ = false;
    std::string countdown_;
    VmaxTracker tracker_;
};

} // namespace zephra
