// zephra-vmax-accuracy: how honest the fouling analysis' capacities and the
// stop signal are on simulated collections that look like a real lab.
//
// Usage: zephra-vmax-accuracy [TRIALS [SEED]]. For each law and each kind of
// trial it collects TRIALS trials (100 by default) with the program's
// collection run on a simulated clock. Every trial has what a lab has: the
// balance weighs when it answers, up to 0.53 s after the request the run
// stamps; it scatters by 0.005 to 0.03 g and reads to 0.01 g; the wine's
// density is 0.990 to 0.998 g/ml; the filter is 25 or 47 mm; J0 is 1000 to
// 4000 LMH; the run lasts 9 to 144 minutes and the flux at its end is 3 to
// 90 % of J0 (log-uniform), from strong to weak fouling. The kinds:
//   clean        nothing more;
//   late start   the flow opened 2 to 10 s after the run's clock started;
//   fluctuation  the pressure jumps to levels up to 0.5 to 2 % off its
//                course, held for 10 to 270 s (a regulator that hunts, a
//                compressor cycling);
//   drift        the pressure drifts linearly by 5 to 20 % up or down over
//                the run, and the analysis is not told.
// The last point is analysed as the report does, with the readings' times
// to 0.1 s that the run keeps in the wine's notes; the live status is the
// one the run itself showed at each point.
//
// It prints, per law and kind: how often the true law was named best; how
// often the analysis voiced a doubt (laws it cannot tell apart, residuals
// that do not follow the law); how often it named a wrong law without one;
// how often it showed a capacity, and of those how often the capacity's
// 95 % interval held the true capacity and its one-sided 95 % lower bound
// lay at or below it, whatever law was named, with the median of the
// capacity over the truth; how many non-standard trials showed a live Vmax
// at some point; the trials that showed "Vmax known" and how many of those
// had Vmax within ±5 % where it first showed. Deterministic for a given
// SEED.

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

enum class Kind { Clean, LateStart, Fluctuation, Drift };
constexpr Kind AllKinds[] = {Kind::Clean, Kind::LateStart, Kind::Fluctuation, Kind::Drift};

const char* KindName(Kind kind) {
    switch (kind) {
    case Kind::Clean:
        return "clean";
    case Kind::LateStart:
        return "late start";
    case Kind::Fluctuation:
        return "fluctuation";
    case Kind::Drift:
        return "drift";
    }
    return "";
}

// c·J0·t at the run's end for the flux to have fallen to `share` of J0.
double FoulingForEndFlux(BlockingLaw law, double share) {
    switch (law) {
    case BlockingLaw::Complete:
        return -std::log(share);
    case BlockingLaw::Intermediate:
        return 1 / share - 1;
    case BlockingLaw::Standard:
        return 1 / std::sqrt(share) - 1;
    case BlockingLaw::Cake:
        return (1 / (share * share) - 1) / 2;
    }
    return NAN;
}

SimulatedTrial DrawTrial(BlockingLaw law, Kind kind, std::mt19937& random) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    constexpr int Minutes[] = {9, 18, 36, 72, 144};
    SimulatedTrial trial;
    trial.Law = law;
    trial.J0Lmh = 1000 + 3000 * unit(random);
    trial.MaxMinutes = Minutes[std::uniform_int_distribution<int>(0, 4)(random)];
    const double endFlux = 0.03 * std::pow(0.9 / 0.03, unit(random));
    trial.C = FoulingForEndFlux(law, endFlux) / (trial.J0Lmh * trial.MaxMinutes / 60.0);
    trial.WeighedAtReply = true;
    trial.ReplyDelaySeconds = 0.03;
    trial.ReplyJitterSeconds = 0.5;
    trial.PassPhaseSeconds = 0.1 * unit(random);
    trial.BalanceNoiseGrams = 0.005 + 0.025 * unit(random);
    trial.Density = 0.990 + 0.008 * unit(random);
    trial.FilterDiameterMm = unit(random) < 0.5 ? 25 : 47;
    trial.Seed = static_cast<std::uint32_t>(random());
    if (kind == Kind::LateStart) {
        trial.StartDelaySeconds = 2 + 8 * unit(random);
    }
    if (kind == Kind::Fluctuation) {
        trial.PressureSwing = 0.005 + 0.015 * unit(random);
        trial.SwingPeriodSeconds = 20 + 160 * unit(random);
    }
    if (kind == Kind::Drift) {
        trial.PressureDrift = (unit(random) < 0.5 ? -1 : 1) * (0.05 + 0.15 * unit(random));
    }
    return trial;
}

// What the analysis shows of a trial: the capacity it gives and whether it
// voices a doubt about it.
struct Shown {
    std::optional<CapacityEstimate> Capacity;
    bool Doubt = false;
};

Shown ShownOf(const FoulingAnalysis& a) {
    return {a.Capacity, a.Verdict.Doubtful()};
}

struct Tally {
    int Trials = 0;
    int BestRight = 0;
    int Doubt = 0;
    int WrongSilent = 0; // a wrong law named without a doubt
    int Shown = 0;       // a capacity shown
    int Covered = 0;     // its 95 % interval held the truth
    int BoundHeld = 0;   // its lower bound lay at or below the truth
    std::vector<double> Ratios;
    int LiveVmaxWrongLaw = 0; // a live Vmax on a trial of another law
    int Signalled = 0;
    int SignalRight = 0;
};

double Median(std::vector<double> values) {
    if (values.empty()) {
        return NAN;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void Count(Tally& tally, const SimulatedTrial& trial,
           const std::vector<test::SimulatedPoint>& points) {
    const double truth = TrueCapacity(trial, LabSettings{}.TerminalFluxShare);
    tally.Trials += 1;
    bool signalled = false;
    bool liveVmax = false;
    for (const test::SimulatedPoint& point : points) {
        const VmaxTrackerStatus& status = point.Live;
        liveVmax = liveVmax || status.Vmax.has_value();
        if (status.Known && !signalled) {
            signalled = true;
            tally.Signalled += 1;
            if (trial.Law == BlockingLaw::Standard &&
                std::abs(status.Vmax->Value / truth - 1) <= 0.05) {
                tally.SignalRight += 1;
            }
        }
    }
    tally.LiveVmaxWrongLaw += liveVmax && trial.Law != BlockingLaw::Standard;
    if (points.empty()) {
        return;
    }
    const FoulingAnalysis last =
        AnalyzeFouling(points.back().Wine, {}, points.back().RequestSeconds);
    const Shown shown = ShownOf(last);
    tally.BestRight += last.Best == trial.Law;
    tally.Doubt += shown.Doubt;
    tally.WrongSilent += last.Best && last.Best != trial.Law && !shown.Doubt;
    if (shown.Capacity) {
        const CapacityEstimate& c = *shown.Capacity;
        tally.Shown += 1;
        tally.Covered += c.Low95 <= truth && (!c.High95 || truth <= *c.High95);
        tally.BoundHeld += c.LowerBound95 <= truth;
        tally.Ratios.push_back(c.Value / truth);
    }
}

std::string Percent(int part, int whole) {
    if (whole == 0) {
        return "—";
    }
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 100.0 * part / whole);
    return text;
}

void PrintRow(const char* law, const char* kind, const Tally& t) {
    char ratio[16] = "—";
    if (!t.Ratios.empty()) {
        std::snprintf(ratio, sizeof ratio, "%.2f", Median(t.Ratios));
    }
    std::printf("%-13s %-12s %6d %6s %6s %6s %6s %7s %7s %6s %6d %5d %6s\n", law, kind, t.Trials,
                Percent(t.BestRight, t.Trials).c_str(), Percent(t.Doubt, t.Trials).c_str(),
                Percent(t.WrongSilent, t.Trials).c_str(), Percent(t.Shown, t.Trials).c_str(),
                Percent(t.Covered, t.Shown).c_str(), Percent(t.BoundHeld, t.Shown).c_str(), ratio,
                t.LiveVmaxWrongLaw, t.Signalled, Percent(t.SignalRight, t.Signalled).c_str());
}

} // namespace

int main(int argc, char** argv) {
    const int trials = argc > 1 ? std::atoi(argv[1]) : 100;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 2024;
    std::printf("%-13s %-12s %6s %6s %6s %6s %6s %7s %7s %6s %6s %5s %6s\n", "law", "kind",
                "trials", "best%", "doubt%", "wrong%", "shown%", "in95%", "LB<=T%", "ratio",
                "liveV", "stop", "right%");
    for (const BlockingLaw law : AllBlockingLaws) {
        for (const Kind kind : AllKinds) {
            std::mt19937 random(seed + 1000 * static_cast<unsigned>(law) +
                                100 * static_cast<unsigned>(kind));
            Tally tally;
            for (int i = 0; i < trials; ++i) {
                const SimulatedTrial trial = DrawTrial(law, kind, random);
                Count(tally, trial, test::CollectSimulatedTrial(trial));
            }
            PrintRow(std::string(LawKey(law)).c_str(), KindName(kind), tally);
        }
    }
    std::printf("\nbest%%: the true law named best; doubt%%: a doubt voiced about the capacity;\n"
                "wrong%%: a wrong law named without a doubt; shown%%: a capacity shown; in95%%,\n"
                "LB<=T%%: of those, its 95 %% interval holding the true capacity and its\n"
                "one-sided 95 %% lower bound at or below it; ratio: median capacity shown over\n"
                "the truth; liveV: trials of another law that showed a live Vmax; stop: trials\n"
                "that showed \"Vmax known\"; right%%: of those, Vmax within ±5 %% where it first\n"
                "showed.\n");
    return 0;
}
