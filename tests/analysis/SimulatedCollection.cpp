#include "SimulatedCollection.h"

#include "acquisition/CollectionRun.h"
#include "document/Quantities.h"
#include "support/RecordingBoxes.h"

#include <cmath>
#include <optional>
#include <random>
#include <string>

namespace zephra::test {

namespace {

constexpr double SecondsPerHour = 3600;
constexpr std::int64_t TickMs = 100;
constexpr std::int64_t ClockOriginMs = 1'000'000;

class SimulatedClock : public RunClock {
public:
    std::int64_t NowMs() override { return now; }
    std::int64_t now = ClockOriginMs;
};

// A balance on the filtrate: weighs at the request, answers after the delay.
class FiltrateBalance : public Balance {
public:
    FiltrateBalance(const SimulatedTrial& trial, SimulatedClock& clock)
        : trial_(trial), clock_(clock), random_(trial.Seed) {}

    void Tare() override {}
    WeightReading GetWeight() override {
        const std::int64_t request = clock_.now;
        std::uniform_real_distribution<double> jitter(0.0, trial_.ReplyJitterSeconds);
        const double delay = trial_.ReplyDelaySeconds + jitter(random_);
        clock_.now += std::llround(delay * 1000);
        std::normal_distribution<double> scatter(0.0, trial_.BalanceNoiseGrams);
        double grams = trial_.BalanceNoiseGrams > 0 ? scatter(random_) : 0;
        if (!originMs_) {
            // The starting weight: the run's clock starts at its request.
            originMs_ = request;
        } else {
            const std::int64_t weighed = trial_.WeighedAtReply ? clock_.now : request;
            const double seconds = static_cast<double>(weighed - *originMs_) / 1000;
            grams += SimulatedThroughput(trial_, seconds) * SimulatedLabArea(trial_) * 1000 *
                     trial_.Density;
        }
        grams = std::round(grams * 100) / 100;
        return {std::to_string(grams), grams, false};
    }
    void Close() noexcept override {}

private:
    const SimulatedTrial& trial_;
    SimulatedClock& clock_;
    std::mt19937 random_;
    std::optional<std::int64_t> originMs_;
};

class ImmediateExchanges : public BalanceExchanges {
public:
    ImmediateExchanges(Balance& balance, RunClock& clock) : balance_(balance), clock_(clock) {}
    void Begin(bool tare) override { outcome_ = Exchange(balance_, clock_, tare); }
    std::optional<ExchangeOutcome> TakeOutcome() override {
        std::optional<ExchangeOutcome> outcome = std::move(outcome_);
        outcome_.reset();
        return outcome;
    }
    void Release() noexcept override { released_ = true; }
    bool Released() const override { return released_; }

private:
    Balance& balance_;
    RunClock& clock_;
    std::optional<ExchangeOutcome> outcome_;
    bool released_ = false;
};

class Target : public CollectionTarget {
public:
    TWineClass& Wine() override { return wine; }
    void Refresh() override {}
    TWineClass wine;
};

class PointRecorder : public RunObserver {
public:
    explicit PointRecorder(Target& target) : target_(target) {}
    void PointStored(const StoredPoint& point) override {
        points.push_back({target_.wine.WineRec, ReadingSeconds(target_.wine.Notes), point.vmax});
    }
    std::vector<SimulatedPoint> points;

private:
    Target& target_;
};

// g(x) of each law, v = g(c·J0·P)/c with P the pressure-weighted time.
double ReducedThroughput(BlockingLaw law, double x) {
    switch (law) {
    case BlockingLaw::Complete:
        return 1 - std::exp(-x);
    case BlockingLaw::Intermediate:
        return std::log(1 + x);
    case BlockingLaw::Standard:
        return x / (1 + x);
    case BlockingLaw::Cake:
        return std::sqrt(1 + 2 * x) - 1;
    }
    return NAN;
}

// The integral of the pressure's swings about its course from the run's
// start to `seconds`: levels held for random spans, the same for every call
// with the trial's seed.
double SwingIntegral(const SimulatedTrial& trial, double seconds) {
    if (trial.PressureSwing == 0) {
        return 0;
    }
    std::mt19937 random(trial.Seed ^ 0x5eedu);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    double integral = 0;
    double from = 0;
    while (from < seconds) {
        const double to = from + trial.SwingPeriodSeconds * (0.5 + unit(random));
        const double level = trial.PressureSwing * (2 * unit(random) - 1);
        integral += level * (std::min(to, seconds) - from);
        from = to;
    }
    return integral;
}

} // namespace

double SimulatedLabArea(const SimulatedTrial& trial) {
    const double radius = trial.FilterDiameterMm / 1000 / 2;
    return radius * radius * calc::Pi;
}

double SimulatedThroughput(const SimulatedTrial& trial, double seconds) {
    const double start = trial.StartDelaySeconds;
    if (seconds <= start) {
        return 0;
    }
    // The integral of p(t) = 1 + drift·t/T + the swings from the opening on.
    const double span = trial.MaxMinutes * 60.0;
    const double weighted = (seconds - start) +
                            trial.PressureDrift * (seconds * seconds - start * start) / (2 * span) +
                            SwingIntegral(trial, seconds) - SwingIntegral(trial, start);
    const double x = trial.C * trial.J0Lmh * weighted / SecondsPerHour;
    return ReducedThroughput(trial.Law, x) / trial.C;
}

double TrueCapacity(const SimulatedTrial& trial, double terminalFluxShare) {
    switch (trial.Law) {
    case BlockingLaw::Complete:
    case BlockingLaw::Standard:
        return 1 / trial.C;
    case BlockingLaw::Intermediate:
        return std::log(1 / terminalFluxShare) / trial.C;
    case BlockingLaw::Cake:
        return (1 / terminalFluxShare - 1) / trial.C;
    }
    return NAN;
}

std::vector<SimulatedPoint> CollectSimulatedTrial(const SimulatedTrial& trial) {
    SimulatedClock clock;
    clock.now += std::llround(trial.PassPhaseSeconds * 1000);
    FiltrateBalance balance(trial, clock);
    ImmediateExchanges exchanges(balance, clock);
    Target target;
    TConditions& c = target.wine.WineRec.Conditions;
    c.WineName.assign("Simulated");
    c.LabP.assign("30.0");
    c.LabFiltDia.assign(std::to_string(trial.FilterDiameterMm).substr(0, 4));
    c.ProdP.assign("  30");
    c.ProdA.assign("10.0");
    c.ProdRate.assign("20.0");
    RecordingBoxes boxes;
    PointRecorder recorder(target);
    CollectionRun run(target, exchanges, clock, boxes, {trial.Density, trial.MaxMinutes},
                      &recorder);
    run.ClearRecord();
    run.Start();
    std::int64_t tick = clock.now;
    while (run.Running()) {
        tick += TickMs;
        clock.now = std::max(clock.now, tick);
        run.Pass();
    }
    return recorder.points;
}

} // namespace zephra::test
