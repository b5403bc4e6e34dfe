// zephra-vmax-accuracy: how often the fouling analysis' intervals hold the
// truth and how often "Vmax known within ±5 %" is right, on simulated
// collections.
//
// Usage: zephra-vmax-accuracy [TRIALS [SEED]]. For each law and each kind of
// trial (clean; the pressure drifting 5 to 20 % up or down over the run; the
// flow opened 2 to 10 s after the run's clock started) it collects TRIALS
// trials (100 by default) with the program's collection run on a simulated
// clock: readings on the run's schedule, replies 0.15 to 0.6 s after the
// request plus up to 50 ms of jitter, the balance read to 0.01 g, the time
// stamps in whole seconds as the record keeps them. J0 is drawn from 1000
// to 4000 LMH, the run lasts 18 or 36 minutes, and the fouling reaches
// c·J0·t of 0.5 to 5 by the run's end. Every stored point is analysed as
// the live window does; the last point as the report does. The same trials
// are then analysed again with the readings' request times to 0.1 s.
//
// It prints, per law and kind: how often the law was named best at the end;
// for standard-law trials how often Vmax was reported and how often its 95 %
// interval and its one-sided 95 % lower bound held the true Vmax; for the
// other laws the same for the best law's capacity; and for the stop signal
// the trials that showed it, how many of them had Vmax within ±5 % at the
// point it first showed, and the median share of Vmax passed by then.
// Deterministic for a given SEED.

#include "SimulatedCollection.h"
#include "analysis/FoulingAnalysis.h"
#include "analysis/VmaxTracker.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace zephra;
using test::SimulatedTrial;

namespace {

enum class Kind { Clean, Drift, LateStart };
constexpr Kind AllKinds[] = {Kind::Clean, Kind::Drift, Kind::LateStart};

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::Clean:
        return "clean";
    case Kind::Drift:
        return "drift";
    case Kind::LateStart:
        return "late start";
    }
    return "";
}

SimulatedTrial DrawTrial(BlockingLaw law, Kind kind, std::mt19937& random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    SimulatedTrial trial;
    trial.Law = law;
    trial.J0Lmh = 1000 + 3000 * unit(random);
    trial.MaxMinutes = unit(random) < 0.5 ? 18 : 36;
    const double fouling = 0.5 * std::pow(10.0, unit(random)); // c·J0·t at the end
    trial.C = fouling / (trial.J0Lmh * trial.MaxMinutes / 60.0);
    trial.ReplyDelaySeconds = 0.15 + 0.45 * unit(random);
    trial.ReplyJitterSeconds = 0.05;
    trial.PassPhaseSeconds = 0.1 * unit(random);
    trial.Seed = static_cast<std::uint32_t>(random());
    if (kind == Kind::Drift) {
        trial.PressureDrift = (unit(random) < 0.5 ? -1 : 1) * (0.05 + 0.15 * unit(random));
    }
    if (kind == Kind::LateStart) {
        trial.StartDelaySeconds = 2 + 8 * unit(random);
    }
    return trial;
}

struct Tally {
    int Trials = 0;
    int BestRight = 0;
    int Reported = 0;  // the capacity of the true law was reported as the best's
    int Covered = 0;   // its 95 % interval held the truth
    int BoundHeld = 0; // its lower bound lay at or below the truth
    int Signalled = 0;
    int SignalRight = 0;
    std::vector<double> SharesAtSignal;
};

double Median(std::vector<double> values) {
    if (values.empty()) {
        return NAN;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Count(Tally& tally, const SimulatedTrial& trial,
           const std::vector<test::SimulatedPoint>& points, bool precise) {
    const auto analyse = [precise](const test::SimulatedPoint& point) {
        return AnalyzeFouling(point.Wine, {},
                              precise ? std::span<const double>(point.RequestSeconds)
                                      : std::span<const double>());
    };
    const double truth = TrueCapacity(trial, LabSettings{}.TerminalFluxShare);
    tally.Trials += 1;
    VmaxTracker tracker;
    bool signalled = false;
    for (const test::SimulatedPoint& point : points) {
        const VmaxTrackerStatus status = tracker.Update(analyse(point));
        if (status.Known && !signalled) {
            signalled = true;
            tally.Signalled += 1;
            const double vmax = status.Vmax->Value;
            if (trial.Law == BlockingLaw::Standard && std::abs(vmax / truth - 1) <= 0.05) {
                tally.SignalRight += 1;
            }
            tally.SharesAtSignal.push_back(*status.SharePassed);
        }
    }
    if (points.empty()) {
        return;
    }
    const FoulingAnalysis last = analyse(points.back());
    if (last.Best == trial.Law) {
        tally.BestRight += 1;
        const CapacityEstimate& c = *last.BestCapacity;
        tally.Reported += 1;
        tally.Covered += c.Low95 <= truth && (!c.High95 || truth <= *c.High95);
        tally.BoundHeld += c.LowerBound95 <= truth;
    }
}

std::string Percent(int part, int whole) {
    if (whole == 0) {
        return "—";
    }
    char text[16];
    std::snprintf(text, sizeof text, "%.1f %%", 100.0 * part / whole);
    return text;
}

void PrintRow(const char* law, const char* kind, const Tally& t) {
    char share[16] = "—";
    if (!t.SharesAtSignal.empty()) {
        std::snprintf(share, sizeof share, "%.0f %%", 100 * Median(t.SharesAtSignal));
    }
    std::printf("%-13s %-11s %6d %9s %9s %9s %9s %5d %9s %7s\n", law, kind, t.Trials,
                Percent(t.BestRight, t.Trials).c_str(), Percent(t.Reported, t.Trials).c_str(),
                Percent(t.Covered, t.Reported).c_str(), Percent(t.BoundHeld, t.Reported).c_str(),
                t.Signalled, Percent(t.SignalRight, t.Signalled).c_str(), share);
}

} // namespace

int main(int argc, char** argv) {
    const int trials = argc > 1 ? std::atoi(argv[1]) : 100;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 2024;
    for (const bool precise : {false, true}) {
        std::printf("\nTime stamps: %s\n",
                    precise ? "request times to 0.1 s" : "whole seconds of the reply (the record)");
        std::printf("%-13s %-11s %6s %9s %9s %9s %9s %5s %9s %7s\n", "law", "kind", "trials",
                    "best", "reported", "in 95 %", "above LB", "stop", "within 5%", "passed");
        for (const BlockingLaw law : AllBlockingLaws) {
            for (const Kind kind : AllKinds) {
                std::mt19937 random(seed + 1000 * static_cast<unsigned>(law) +
                                    100 * static_cast<unsigned>(kind));
                Tally tally;
                for (int i = 0; i < trials; ++i) {
                    const SimulatedTrial trial = DrawTrial(law, kind, random);
                    Count(tally, trial, test::CollectSimulatedTrial(trial), precise);
                }
                PrintRow(std::string(LawKey(law)).c_str(), KindName(kind), tally);
            }
        }
    }
    std::printf("\nbest: the law named best at the end; reported, in 95 %%, above LB: the true\n"
                "law's capacity (Vmax for the standard law) given as the best's, its 95 %%\n"
                "interval holding the truth, its one-sided 95 %% lower bound at or below it;\n"
                "stop: trials that showed \"Vmax known\"; within 5%%: of those, Vmax within\n"
                "±5 %% where it first showed; passed: median share of Vmax passed by then.\n");
    return 0;
}
