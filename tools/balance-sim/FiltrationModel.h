#pragma once

#include "SimOptions.h"

#include <random>

namespace zephra::balancesim {

// The load on the balance: filtrate collected by a filter whose flow falls
// as it fouls by one of the blocking laws, or a constant load; plus reading
// noise and the tare.
class FiltrationModel {
public:
    explicit FiltrationModel(const SimOptions& options);

    // The reading in grams `seconds` after the simulator started, rounded to
    // the balance's resolution of 0.01 g.
    double Reading(double seconds);
    // Zeroes the display and starts a fresh filtration at `seconds`.
    void Tare(double seconds);
    // Whether the request at hand meets an unstable reading.
    bool Unstable();

private:
    double Load(double seconds) const;

    SimOptions options_;
    double origin_ = 0.0;    // start of the filtration, seconds
    double tareGrams_ = 0.0; // load zeroed by the last tare
    std::mt19937 random_;
    std::normal_distribution<double> noise_;
    std::uniform_real_distribution<double> chance_{0.0, 1.0};
};

} // namespace zephra::balancesim
