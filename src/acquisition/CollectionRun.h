#pragma once

#include "acquisition/Balance.h"
#include "acquisition/ReadingTexts.h"
#include "acquisition/RunClock.h"
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

// The wine a run writes into, as its window (or the command-line tool) holds it.
class CollectionTarget {
public:
    virtual ~CollectionTarget() = default;
    virtual TWineClass& Wine() = 0;
    // Calculate without message boxes, then refresh whatever shows the wine.
    virtual void Recalculate() = 0;
    // Thins the data set to its even-numbered points (DataCollapse), then recalculates.
    virtual void DataCollapse() = 0;
};

// What a run reports while it goes; every method has a do-nothing default.
class RunObserver {
public:
    virtual ~RunObserver() = default;
    // The countdown to the next reading changed (see CountdownText).
    virtual void CountdownChanged(const std::string& text) { (void)text; }
    // Point `index` (1 to 36) was stored with these texts.
    virtual void PointStored(int index, const ReadingTexts& texts) {
        (void)index;
        (void)texts;
    }
    // The set was thinned for the interval `intervalSeconds`.
    virtual void Collapsed(double intervalSeconds) { (void)intervalSeconds; }
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
};

// Settings chosen for a run.
struct RunSettings {
    double Density = 1.0; // g/ml
    int MaxMinutes = 18;  // 9, 18, 36, 72 or 144
};

// A timed data collection run, without any window. The owner calls
// `ClearRecord`, shows its progress, calls `Start`, then calls `Pass` often
// (at least every 100 ms keeps the schedule within that) until `Running` is
// false. The schedule depends only on clock comparisons: readings are due at
// r x T seconds after the start, T starting at 15 s and doubling, with the
// data set thinned to its even-numbered points, whenever the 36 points of a
// stage are full. A run ends at the maximum duration, on a stop request, on
// an unreadable reply, on a volume gain below 1 ml, or when the balance link
// fails; the failure is shown through the message boxes and the points
// stored so far stay. When a run has ended the port is closed.
class CollectionRun {
public:
    CollectionRun(CollectionTarget& target, Balance& balance, RunClock& clock, MessageBoxes& boxes,
                  RunSettings settings, RunObserver* observer = nullptr);

    // Empties the data points, sets MinSkip to 1, blanks the results, marks the
    // wine modified and recalculates.
    void ClearRecord();
    // Tares the balance and reads the starting weight; the clock starts then.
    void Start();
    // One pass of the schedule: takes a reading when one is due, thins the set
    // when a stage is full, updates the countdown, tests the stop conditions.
    void Pass();
    // The stop request (the X key): the run ends at its next pass.
    void RequestStop() { stopRequest_ = true; }

    bool Running() const { return running_; }
    // Whether the starting weight was read, so the schedule began.
    bool Started() const { return started_; }
    RunEnd End() const { return end_; }
    // Index of the next point to store (1 to 36; 37 when the stage is full).
    int NextPoint() const { return r_; }
    double IntervalSeconds() const { return interval_; }

private:
    void Guarded(void (CollectionRun::*step)());
    void StartSteps();
    void PassSteps();
    bool TakeReading();
    void Finish(RunEnd end);
    double ElapsedSeconds() const;

    CollectionTarget& target_;
    Balance& balance_;
    RunClock& clock_;
    MessageBoxes& boxes_;
    RunSettings settings_;
    RunObserver* observer_;

    bool stopRequest_ = false;
    bool running_ = false;
    bool started_ = false;
    RunEnd end_ = RunEnd::Running;
    double interval_ = 15.0;
    double previousVolume_ = 0.0;
    double w0_ = 0.0;
    std::int64_t startMs_ = 0;
    std::int64_t nowMs_ = 0;
    int r_ = 1;
    std::string countdown_;
};

} // namespace zephra
