#include "acquisition/CollectionRun.h"

#include "acquisition/BalanceConditionText.h"
#include "acquisition/CountdownText.h"
#include "acquisition/DataCollapse.h"
#include "acquisition/RunStatusText.h"
#include "acquisition/StorableReading.h"
#include "analysis/Calculate.h"
#include "analysis/FoulingAnalysis.h"
#include "document/TextCatalog.h"
#include "document/WineTrailer.h"

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>

namespace zephra {

namespace {

// Upper bound of the reading interval, in seconds.
constexpr double IntervalLimitSeconds = 863999.0;

// Passes that stopped for longer than this many reading intervals are a
// stall the observer is told of.
constexpr double StallIntervals = 2.0;

// A reading asked for later than this after its slot (the passes had stopped
// for a while) restarts the schedule from itself.
constexpr std::int64_t LateReadingMs = 1000;

// The stored time of a reading in whole seconds.
long long StoredSeconds(std::string_view minutes, std::string_view seconds) {
    return std::atoll(std::string(minutes).c_str()) * 60 + std::atoll(std::string(seconds).c_str());
}

void Blank(auto& field, std::size_t count) {
    field.assign(std::string(count, ' '));
}

} // namespace

const char* SaveQuestion(RunEnd end) {
    switch (end) {
    case RunEnd::StartUnreadable:
    case RunEnd::ReadingUnreadable:
    case RunEnd::PortError:
    case RunEnd::BalanceCondition:
    case RunEnd::ImplausibleValue:
        return StoppedSaveQuestionText;
    case RunEnd::Running:
    case RunEnd::MaxDuration:
    case RunEnd::StopKey:
    case RunEnd::VolumeTooSmall:
    case RunEnd::IntervalLimit:
        break;
    }
    return SaveQuestionText;
}

std::string RunRoomProblem(const WineNotes& notes) {
    const std::size_t over = TrailerOverrun(notes);
    if (over == 0)
        return {};
    return FilledIn(CoreText("CollectionRun",
                             "The wine's notes leave no room for the reading times of a run (%1 "
                             "characters too many). Shorten the comments or the full names, or "
                             "collect into a new wine."),
                    {std::to_string(over)});
}

CollectionRun::CollectionRun(CollectionTarget& target, BalanceExchanges& exchanges, RunClock& clock,
                             MessageBoxes& boxes, RunSettings settings, RunObserver* observer)
    : target_(target), exchanges_(exchanges), clock_(clock), boxes_(boxes), settings_(settings),
      observer_(observer) {}

void CollectionRun::ClearRecord() {
    TWineRec& rec = target_.Wine().WineRec;
    before_ = rec;
    notesBefore_ = target_.Wine().Notes;
    modifiedBefore_ = target_.Wine().Modified;
    for (int i = 0; i < 36; ++i) {
        rec.Data.V[i].clear();
        rec.Data.T[i].M.clear();
        rec.Data.T[i].Sc.clear();
    }
    rec.Data.MinSkip.set(1);
    target_.Wine().Notes.ReadingTimesDs.clear();
    Blank(rec.bE, 5);
    Blank(rec.bP, 5);
    Blank(rec.rE, 5);
    Blank(rec.rP, 5);
    Blank(rec.a, 7);
    Blank(rec.RmE, 6);
    Blank(rec.RmP, 6);
    Blank(rec.ExpectedVolE, 6);
    Blank(rec.ExpectedVolP, 6);
    Blank(rec.LabEquivVol, 4);
    Blank(rec.LabFaceVel, 4);
    target_.Wine().Modified = true;
    Recalculate();
}

// The calculation without message boxes, then the wine shown again.
void CollectionRun::Recalculate() {
    Calculate(target_.Wine().WineRec, false, boxes_);
    target_.Refresh();
}

void CollectionRun::Start() {
    running_ = true;
    BeginExchange(Awaiting::StartWeight, true);
}

void CollectionRun::Pass() {
    if (running_)
        PassSteps();
}

void CollectionRun::BeginExchange(Awaiting what, bool tare) {
    awaiting_ = what;
    exchanges_.Begin(tare);
    TakeOutcome();
}

// Takes up the outcome of the pending exchange when it is there; false while
// the exchange goes on or when its outcome ended the run.
bool CollectionRun::TakeOutcome() {
    std::optional<ExchangeOutcome> outcome = exchanges_.TakeOutcome();
    if (!outcome)
        return false;
    const Awaiting what = awaiting_;
    awaiting_ = Awaiting::Nothing;
    if (!outcome->linkError.empty()) {
        StopOnLinkError(*outcome);
        return false;
    }
    if (what == Awaiting::StartWeight) {
        StartWeightArrived(*outcome);
        return false;
    }
    return ReadingArrived(*outcome);
}

void CollectionRun::StartWeightArrived(const ExchangeOutcome& outcome) {
    if (outcome.reading.Error) {
        StopOnNoWeight(outcome.reading, RunEnd::StartUnreadable);
        return;
    }
    if (StopOnImplausible(ImplausibleWeightText(outcome.reading.WeightVal)))
        return;
    w0_ = outcome.reading.WeightVal;
    target_.Wine().Notes.TrialStarted = TrialStartedText(clock_.WallTime());
    // The run's times count from the request of the starting weight, as each
    // reading's time counts from its request.
    startMs_ = outcome.requestMs;
    nowMs_ = outcome.replyMs;
    lastPassMs_ = outcome.replyMs;
    r_ = 1;
    slot_ = 1;
    gridMs_ = 0;
    started_ = true;
}

// A failing balance link ends the run like any other stop: the error is shown
// and the points stored so far stay.
void CollectionRun::StopOnLinkError(const ExchangeOutcome& outcome) {
    Finish(RunEnd::PortError);
    boxes_.Error(FilledIn(
        outcome.linkGone
            ? CoreText("CollectionRun",
                       "The balance is no longer connected (%1). Data collection will exit.")
            : CoreText("CollectionRun",
                       "The scale could not be read (%1). Data collection will exit."),
        {outcome.linkError}));
}

// A value that cannot be stored as it is ends the run with `problem`, the
// message naming it; nothing happens when `problem` is empty.
bool CollectionRun::StopOnImplausible(const std::string& problem) {
    if (problem.empty())
        return false;
    Finish(RunEnd::ImplausibleValue);
    boxes_.Information(problem);
    return true;
}

// A reply without a weight ends the run: with the balance's own condition
// when it reported one, else as an unreadable reply.
void CollectionRun::StopOnNoWeight(const WeightReading& reading, RunEnd unreadable) {
    const std::string condition = BalanceConditionText(reading);
    Finish(condition.empty() ? unreadable : RunEnd::BalanceCondition);
    boxes_.Information(condition.empty() ? std::string(TroubleReadingText)
                                         : condition + " Data collection will exit.");
}

double CollectionRun::ElapsedSeconds() const {
    return static_cast<double>(nowMs_ - startMs_) / 1000.0;
}

void CollectionRun::PassSteps() {
    if (stopRequest_) {
        Finish(RunEnd::StopKey);
        return;
    }
    const std::int64_t passMs = clock_.NowMs();
    NoteStall(passMs);
    if (awaiting_ != Awaiting::Nothing) {
        // A due reading is tested against the clock reading after its reply.
        if (TakeOutcome())
            TestMaxDuration();
        return;
    }
    nowMs_ = passMs;
    const double elapsed = ElapsedSeconds();
    const double due = DueSeconds();
    const double remaining = due - elapsed;
    if (remaining > 0) {
        const std::string text = CountdownText(remaining);
        if (text != countdown_) {
            countdown_ = text;
            if (observer_)
                observer_->CountdownChanged(text);
        }
    }
    if (elapsed >= due || (catchUp_ && r_ <= 36)) {
        if (r_ <= 36) {
            offSchedule_ = catchUp_ || (elapsed - due) * 1000.0 > LateReadingMs;
            catchUp_ = false;
            BeginExchange(Awaiting::Reading, false);
            if (awaiting_ != Awaiting::Nothing || !running_)
                return;
        } else if (interval_ < IntervalLimitSeconds) {
            interval_ = 2.0 * interval_;
            DataCollapse(target_.Wine().WineRec.Data, target_.Wine().Notes);
            target_.Wine().Modified = true;
            Recalculate();
            r_ = 19;
            ScheduleNextSlot();
            if (observer_)
                observer_->Collapsed(interval_, PointsInRecord());
        } else {
            Finish(RunEnd::IntervalLimit);
            return;
        }
    }
    TestMaxDuration();
}

// Passes that stopped for more than two intervals (the computer slept, the
// program was stopped): the observer is told, and the next pass takes a
// reading at once, also where the thinning comes first.
void CollectionRun::NoteStall(std::int64_t passMs) {
    if (!started_)
        return;
    const std::int64_t stalledMs = passMs - lastPassMs_;
    lastPassMs_ = passMs;
    if (static_cast<double>(stalledMs) <= StallIntervals * interval_ * 1000.0)
        return;
    catchUp_ = true;
    if (observer_)
        observer_->Resumed(stalledMs);
}

// The moment the next reading (or the thinning) is due, from the start.
double CollectionRun::DueSeconds() const {
    return static_cast<double>(gridMs_) / 1000.0 + slot_ * interval_;
}

// The schedule goes on from the first slot after the latest clock reading.
void CollectionRun::ScheduleNextSlot() {
    slot_ = static_cast<int>(std::floor((ElapsedSeconds() - static_cast<double>(gridMs_) / 1000.0) /
                                        interval_)) +
            1;
}

// After a reading on its slot the next slot follows. A reading taken off its
// slot (at once after a stall, or late) restarts the schedule from its
// request: the next reading comes a whole interval after it, never on a slot
// a moment away, where a low flow would have gained too little.
void CollectionRun::ScheduleAfterReading(std::int64_t readingMs) {
    if (offSchedule_) {
        gridMs_ = readingMs;
        slot_ = 1;
    } else {
        ScheduleNextSlot();
    }
}

// Whether a reading with `texts` lies after the previous point as stored; a
// reading within the same second would end the data at a zero interval.
bool CollectionRun::AfterPreviousPoint(const ReadingTexts& texts) const {
    if (r_ == 1)
        return true;
    const TReadingTime& previous = target_.Wine().WineRec.Data.T[r_ - 2];
    return StoredSeconds(texts.M, texts.Sc) > StoredSeconds(previous.M.text(), previous.Sc.text());
}

void CollectionRun::TestMaxDuration() {
    if (ElapsedSeconds() > settings_.MaxMinutes * 60.0)
        Finish(RunEnd::MaxDuration);
}

// The rest of taking reading r, from the reply on; false when it ended the run.
bool CollectionRun::ReadingArrived(const ExchangeOutcome& outcome) {
    if (outcome.reading.Error) {
        StopOnNoWeight(outcome.reading, RunEnd::ReadingUnreadable);
        return false;
    }
    if (StopOnImplausible(ImplausibleWeightText(outcome.reading.WeightVal)))
        return false;
    nowMs_ = outcome.replyMs;
    const double volume = (outcome.reading.WeightVal - w0_) / settings_.Density;
    const std::int64_t readingMs = outcome.requestMs - startMs_;
    const ReadingTexts texts = MakeReadingTexts(volume, readingMs);
    ScheduleAfterReading(readingMs);
    if (!AfterPreviousPoint(texts))
        return true; // taken, not stored: the next slot follows
    if (volume - previousVolume_ < 1.0) {
        Finish(RunEnd::VolumeTooSmall);
        boxes_.Information(VolumeTooSmallText);
        return false;
    }
    if (StopOnImplausible(UnstorableVolumeText(texts.V)))
        return false;
    // Each text keeps the field's first characters: the volume may lose
    // decimals only, as tested above.
    TData& data = target_.Wine().WineRec.Data;
    data.V[r_ - 1].assignTruncated(texts.V);
    data.T[r_ - 1].M.assignTruncated(texts.M);
    data.T[r_ - 1].Sc.assignTruncated(texts.Sc);
    SetReadingTime(target_.Wine().Notes, static_cast<std::size_t>(r_ - 1),
                   static_cast<int>(std::llround(static_cast<double>(readingMs) / 100.0)));
    storedAny_ = true;
    target_.Wine().Modified = true;
    Recalculate();
    StoredPoint point = PointShown(r_, outcome.reading.WeightVal, volume);
    point.keepProblem = target_.KeepStoredPoint();
    r_ += 1;
    previousVolume_ = volume;
    if (observer_)
        observer_->PointStored(point);
    return true;
}

// Point `index` as stored in the recalculated record, with the live analysis
// of the trial as it stands.
StoredPoint CollectionRun::PointShown(int index, double grams, double volume) {
    const TWineRec& rec = target_.Wine().WineRec;
    StoredPoint point;
    point.index = index;
    point.texts = {std::string(rec.Data.V[index - 1].text()),
                   std::string(rec.Data.T[index - 1].M.text()),
                   std::string(rec.Data.T[index - 1].Sc.text())};
    point.grams = grams;
    point.volumeMl = volume;
    point.pointsInRecord = index;
    point.lastReading = LastReadingText(point);
    point.vmax = tracker_.Update(AnalyzeWineFouling(rec, target_.Wine().Notes));
    point.vmaxText = VmaxIntervalText(point.vmax);
    point.bestLawText = BestLawText(point.vmax);
    point.vmaxLine = VmaxTrackerLine(point.vmax);
    return point;
}

// Called before a stop's message is shown: a message box runs an event loop,
// and the owner's timer must find the run already ended there.
void CollectionRun::Finish(RunEnd end) {
    running_ = false;
    end_ = end;
    awaiting_ = Awaiting::Nothing;
    exchanges_.Release();
    if (observer_)
        observer_->Ended(end);
    if (!storedAny_) {
        TWineClass& wine = target_.Wine();
        // Only a save clears the flag that ClearRecord set.
        const bool savedMeanwhile = !wine.Modified;
        wine.WineRec = before_;
        wine.Notes = notesBefore_;
        wine.Modified = modifiedBefore_ || savedMeanwhile;
        target_.Refresh();
    }
}

} // namespace zephra
