#pragma once

namespace zephra {

// The two-sided quantile of Student's t distribution: the t for which a
// share `coverage` (0 < coverage < 1, for example 0.95) of the distribution
// with `degreesOfFreedom` (at least 1) lies between -t and t. Computed from
// the closed-form distribution of whole degrees of freedom, correct to a
// few units in the last place. NaN for arguments out of range.
double StudentTQuantile(double coverage, int degreesOfFreedom);

} // namespace zephra
