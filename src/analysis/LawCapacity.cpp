#include "analysis/LawCapacity.h"

#include "analysis/StudentT.h"

namespace zephra {

CapacityEstimate CapacityOf(const LawFit& fit, double terminalFluxShare) {
    const double kappa = CapacityFactor(fit.Law, terminalFluxShare);
    // Two-sided 95 %; one-sided 95 % is the upper end of the two-sided 90 %.
    const double t95 = StudentTQuantile(0.95, fit.DegreesOfFreedom);
    const double t90 = StudentTQuantile(0.90, fit.DegreesOfFreedom);
    CapacityEstimate estimate;
    estimate.Value = kappa / fit.C;
    estimate.Low95 = kappa / (fit.C + t95 * fit.CStdError);
    const double smallest = fit.C - t95 * fit.CStdError;
    if (smallest > 0) {
        estimate.High95 = kappa / smallest;
    }
    estimate.LowerBound95 = kappa / (fit.C + t90 * fit.CStdError);
    return estimate;
}

} // namespace zephra
