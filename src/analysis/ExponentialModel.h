#pragma once

#include "analysis/AnalysisWarnings.h"
#include "analysis/Regression.h"
#include "document/WineRec.h"

#include <cstdint>
#include <string_view>

namespace zephra {

enum class ExponentialFitStatus {
    Fitted,
    EqualResistances, // every point has the same ln R: no line to fit
    OutOfRange        // the fit or its clean-filter resistance is not finite
};

// The exponential model R = Rm·e^(m·v), fitted as ln R = m·v + b.
struct ExponentialFit {
    ExponentialFitStatus Status = ExponentialFitStatus::Fitted;
    double m = 0;
    double b = 0;
    double r = 0;
    double Rm = 0; // e^b
};

// Fits points 1..n of (v, L = ln R), n ≥ 2, v all different.
ExponentialFit FitExponentialModel(const TRegressionData& v, const TRegressionData& L,
                                   std::uint16_t n);

// Stores `bE`, `RmE`, `rE` and the expected volume of a fitted model. When
// Rm is at or above R_max both expected volumes become "  0"; when the
// resistance does not rise (m ≤ 0) both become blank; each with its warning.
void StoreExponentialResults(TWineRec& rec, const ExponentialFit& fit, double A_prod, double R_max,
                             std::string_view separator, AnalysisWarnings& warnings);

// Writes the model's resistance at each row's stored V/A into its Rexp cell,
// for the rows from 1 up to the first with an empty V cell.
void FillExponentialColumn(TWineRec& rec, const ExponentialFit& fit);

} // namespace zephra
