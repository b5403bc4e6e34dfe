#include "acquisition/CollectionRun.h"

#include "acquisition/CountdownText.h"

#include <string>

namespace zephra {

namespace {

// Upper bound of the reading interval, in seconds.
constexpr double IntervalLimitSeconds = 863999.0;

void Blank(auto& field, std::size_t count) {
    field.assign(std::string(count, ' '));
}

} // namespace

CollectionRun::CollectionRun(CollectionTarget& target, Balance& balance, RunClock& clock,
                             MessageBoxes& boxes, RunSettings settings, RunObserver* observer)
    : target_(target), balance_(balance), clock_(clock), boxes_(boxes), settings_(settings),
      observer_(observer) {}

void CollectionRun::ClearRecord() {
    TWineRec& rec = target_.Wine().WineRec;
    for (int i = 0; i < 36; ++i) {
        rec.Data.V[i].clear();
        rec.Data.T[i].M.clear();
        rec.Data.T[i].Sc.clear();
    }
    rec.Data.MinSkip.set(1);
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
    target_.Recalculate();
}

void CollectionRun::Start() {
    running_ = true;
    Guarded(&CollectionRun::StartSteps);
}

void CollectionRun::Pass() {
    if (running_)
        Guarded(&CollectionRun::PassSteps);
}

// A failing balance link ends the run like any other stop: the error is shown
// and the points stored so far stay.
void CollectionRun::Guarded(void (CollectionRun::*step)()) {
    try {
        (this->*step)();
    } catch (const BalanceError& e) {
        Finish(RunEnd::PortError);
        boxes_.Error(std::string("The scale could not be read (") + e.what() +
                     "). Data collection will exit.");
    }
}

void CollectionRun::StartSteps() {
    balance_.Tare();
    const WeightReading start = balance_.GetWeight();
    if (start.Error) {
        Finish(RunEnd::StartUnreadable);
        boxes_.Information(TroubleReadingText);
        return;
    }
    w0_ = start.WeightVal;
    startMs_ = clock_.NowMs();
    nowMs_ = startMs_;
    r_ = 1;
    started_ = true;
}

double CollectionRun::ElapsedSeconds() const {
    return static_cast<double>(nowMs_ - startMs_) / 1000.0;
}

void CollectionRun::PassSteps() {
    if (stopRequest_) {
        Finish(RunEnd::StopKey);
        return;
    }
    nowMs_ = clock_.NowMs();
    const double elapsed = ElapsedSeconds();
    const double remaining = r_ * interval_ - elapsed;
    if (remaining > 0) {
        const std::string text = CountdownText(remaining);
        if (text != countdown_) {
            countdown_ = text;
            if (observer_)
                observer_->CountdownChanged(text);
        }
    }
    if (elapsed >= r_ * interval_) {
        if (r_ <= 36) {
            if (!TakeReading())
                return;
        } else if (interval_ < IntervalLimitSeconds) {
            interval_ = 2.0 * interval_;
            target_.DataCollapse();
            r_ = 19;
            if (observer_)
                observer_->Collapsed(interval_);
        } else {
            Finish(RunEnd::IntervalLimit);
            return;
        }
    }
    if (ElapsedSeconds() > settings_.MaxMinutes * 60.0)
        Finish(RunEnd::MaxDuration);
}

bool CollectionRun::TakeReading() {
    const WeightReading reading = balance_.GetWeight();
    if (reading.Error) {
        Finish(RunEnd::ReadingUnreadable);
        boxes_.Information(TroubleReadingText);
        return false;
    }
    nowMs_ = clock_.NowMs();
    const double volume = (reading.WeightVal - w0_) / settings_.Density;
    const ReadingTexts texts = MakeReadingTexts(volume, nowMs_ - startMs_);
    if (volume - previousVolume_ < 1.0) {
        Finish(RunEnd::VolumeTooSmall);
        boxes_.Information(VolumeTooSmallText);
        return false;
    }
    TData& data = target_.Wine().WineRec.Data;
    data.V[r_ - 1].assign(texts.V);
    data.T[r_ - 1].M.assign(texts.M);
    data.T[r_ - 1].Sc.assign(texts.Sc);
    target_.Recalculate();
    if (observer_)
        observer_->PointStored(r_, texts);
    r_ += 1;
    previousVolume_ = volume;
    return true;
}

// Called before a stop's message is shown: a message box runs an event loop,
// and the owner's timer must find the run already ended there.
void CollectionRun::Finish(RunEnd end) {
    running_ = false;
    end_ = end;
    balance_.Close();
}

} // namespace zephra
