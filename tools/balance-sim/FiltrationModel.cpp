#include "FiltrationModel.h"

#include <cmath>

namespace zephra::balancesim {

FiltrationModel::FiltrationModel(const SimOptions& options)
    : options_(options), random_(options.seed), noise_(0.0, 1.0) {}

double FiltrationModel::Load(double seconds) const {
    if (options_.fixedGrams)
        return *options_.fixedGrams;
    const double t = (seconds - origin_) / 60.0;
    const double flow = options_.flowGramsPerMinute;
    const double k = options_.foulingPerMinute;
    if (k <= 0)
        return flow * t;
    // The collected mass: the integral of the law's flow over the minutes.
    switch (options_.law) {
    case FoulingLaw::Complete:
        return -flow / k * std::expm1(-k * t);
    case FoulingLaw::Intermediate:
        return flow / k * std::log1p(k * t);
    case FoulingLaw::Standard:
        return flow * t / (1 + k * t);
    case FoulingLaw::Cake:
        return flow / k * (std::sqrt(1 + 2 * k * t) - 1);
    }
    return flow * t;
}

double FiltrationModel::Reading(double seconds) {
    const double grams = Load(seconds) - tareGrams_ + options_.noiseGrams * noise_(random_);
    return std::round(grams * 100.0) / 100.0;
}

void FiltrationModel::Tare(double seconds) {
    if (options_.fixedGrams) {
        tareGrams_ = *options_.fixedGrams;
    } else {
        origin_ = seconds;
        tareGrams_ = 0.0;
    }
}

bool FiltrationModel::Unstable() {
    return options_.unstableFraction > 0 && chance_(random_) < options_.unstableFraction;
}

} // namespace zephra::balancesim
