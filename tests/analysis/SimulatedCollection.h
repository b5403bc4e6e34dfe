#pragma once

#include "analysis/BlockingLaws.h"
#include "analysis/VmaxTracker.h"
#include "document/WineRec.h"

#include <cstdint>
#include <vector>

namespace zephra::test {

// A filtration at 30 psi and the way the program collects it. The laws are written here on their
// own, as the rate equations dv/dt = J0·p(t)·φ(v) with the fouling constant c (m²/L): φ = 1 - c·v
// (complete), exp(-c·v) (intermediate), (1 - c·v)² (standard), 1/(1 + c·v)
// (cake), so that a pressure p(t) that drifts or wobbles only stretches the
// time and leaves every capacity where it is.
struct SimulatedTrial {
    BlockingLaw Law = BlockingLaw::Standard;
    double J0Lmh = 2000;          // clean-filter flux at the starting pressure
    double C = 1.0 / 300;         // fouling constant, m²/L (1/Vmax for the standard law)
    double StartDelaySeconds = 0; // the flow opens this long after the run's clock starts
    double PressureDrift = 0;     // relative change of the pressure over MaxMinutes, linear
    // A regulator that hunts or a compressor that cycles: the pressure
    // jumps to a level up to this share above or below its course, and
    // holds it for 0.5 to 1.5 times the period (drawn from the seed).
    double PressureSwing = 0;
    double SwingPeriodSeconds = 60;
    int MaxMinutes = 18;             // the run's maximum duration
    double ReplyDelaySeconds = 0.35; // from the request (the weighing) to the reply
    double ReplyJitterSeconds = 0;   // a further delay, uniform from 0 to this
    double PassPhaseSeconds = 0;     // where in its 100 ms the window's timer ticks
    // The balance weighs when it answers (after the delay and jitter), not
    // at the request the run stamps.
    bool WeighedAtReply = false;
    double BalanceNoiseGrams = 0; // standard deviation of the balance's scatter
    double Density = 1.0;         // g/ml, of the filtrate and in the run's settings
    double FilterDiameterMm = 47;
    std::uint32_t Seed = 1; // for the jitter
};

// The laboratory filter area of the trial, as the calculation computes it
// (m²).
double SimulatedLabArea(const SimulatedTrial& trial);

// The trial's throughput (L/m²) `seconds` after the run's clock started.
double SimulatedThroughput(const SimulatedTrial& trial, double seconds);

// The true capacity of the trial's law (L/m²): 1/c for complete and standard
// blocking, and the throughput at `terminalFluxShare`·J0 for the others.
double TrueCapacity(const SimulatedTrial& trial, double terminalFluxShare);

// One point as the run stored it: the wine as it stands, the readings'
// times the run kept in the wine's notes (s from the run's start, to 0.1 s;
// row 1 first, thinned with the data), and the live status the run itself
// showed.
struct SimulatedPoint {
    TWineRec Wine{};
    std::vector<double> RequestSeconds;
    VmaxTrackerStatus Live;
};

// Runs the program's collection run on a simulated clock whose window timer
// ticks every 100 ms, against a balance that weighs the filtrate at each
// request (or at its reply) to 0.01 g and answers after the reply delay; the
// run's clock starts at the request of the starting weight, and the run
// stamps each reading with its request's time, as it does. Every stored
// point, in order.
std::vector<SimulatedPoint> CollectSimulatedTrial(const SimulatedTrial& trial);

} // namespace zephra::test
