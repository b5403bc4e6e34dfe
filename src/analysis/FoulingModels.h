#pragma once

#include "analysis/AnalysisWarnings.h"
#include "analysis/Regression.h"
#include "document/WineRec.h"

#include <cstdint>
#include <string_view>

namespace zephra {

// What the model fits take from the calculation: the points in use after
// the skipped ones, and the working values they need (SI units).
struct FoulingFitInput {
    TRegressionData v{}; // V/A of each point in use, m
    TRegressionData R{}; // resistance over its interval, m⁻¹
    TRegressionData L{}; // ln R
    std::uint16_t n = 0; // points in use, at least 4
    double A_prod = 0;
    double R_max = 0;
    double LabEquivVolume = 0;   // US gallons
    double LabFaceVelocity = 0;  // US gallons per minute per m²
    double ProdFaceVelocity = 0; // US gallons per minute per m²
};

// Fits both fouling models and stores their results, the full-scale
// estimates, the laboratory and production figures, the Rexp and Rpower
// columns and `Model` (1 when the power model fitted and correlates at least
// as well as the exponential one). Data on which the exponential fit is
// degenerate get the blank results of insufficient data and a warning.
void FitFoulingModels(TWineRec& rec, const FoulingFitInput& in, std::string_view separator,
                      AnalysisWarnings& warnings);

} // namespace zephra
