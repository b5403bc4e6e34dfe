#pragma once

#include "analysis/BlockingLawFit.h"

#include <optional>

namespace zephra {

// A capacity (L/m² of filter) with its uncertainty, all from the interval
// of the law's fouling constant c, of which the capacity is κ/c: so the
// interval is not symmetric, and it has no upper end when c's interval
// reaches 0.
struct CapacityEstimate {
    double Value = 0;
    double Low95 = 0;             // the two-sided 95 % interval
    std::optional<double> High95; // nothing when unbounded
    double LowerBound95 = 0;      // one-sided: at least this, at 95 %
};

// The capacity of a fitted law (CapacityFactor): Vmax, J0/Kb, or the
// throughput at `terminalFluxShare` of J0.
CapacityEstimate CapacityOf(const LawFit& fit, double terminalFluxShare);

} // namespace zephra
