#include "FiltrationModel.h"

#include <cmath>

namespace zephra::balancesim {

FiltrationModel::FiltrationModel(const SimOptions& options)
    : options_(options), random_(options.seed), noise_(0.0, 1.0) {}

double FiltrationModel::Load(double seconds) const {
    if (options_.fixedGrams)
        return *options_.fixedGrams;
    const double minutes = (seconds - origin_) / 60.0;
    const double flow = options_.flowGramsPerMinute;
    const double k = options_.foulingPerMinute;
    // The integral of flow / (1 + k t): the collected mass grows ever more slowly.
    return k > 0 ? flow / k * std::log1p(k * minutes) : flow * minutes;
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
