#pragma once

#include <span>

namespace zephra {

// How the search for the power model's clean-filter resistance ended.
enum class PowerSearchEnd {
    Fitted,      // m, b, r and Rm belong to the final trial resistance
    Overshoot,   // the trial resistance reached a point: the model fails
    TooManySteps // a stage needed more than PowerSearchMaxSteps steps
};

struct PowerSearchResult {
    PowerSearchEnd End = PowerSearchEnd::Overshoot;
    double m = 0; // slope of ln(R − Rm) against ln v
    double b = 0; // intercept, ln a
    double r = 0; // correlation coefficient
    double Rm = 0;
};

// Steps per stage after which the search gives up. With the coarse step of
// 10⁹ m⁻¹ this follows resistances up to 10¹⁶ m⁻¹ (ten times what the report
// can show) and bounds the time a calculation can take.
inline constexpr long PowerSearchMaxSteps = 10'000'000;

// Fits R = Rm + a·v^b to the points (v, R), at most 36, all v and R
// positive, by a straight-line fit of ln(R − Rm) against ln v, raising the
// trial Rm from 0 in steps of 10⁹, then 10⁷, then 10⁵ m⁻¹ for as long as the
// correlation does not fall (each stage resumes two steps, the last one step,
// below where the previous climb ended). The results may be non-finite for
// degenerate points; the caller checks.
PowerSearchResult SearchPowerModel(std::span<const double> v, std::span<const double> R);

} // namespace zephra
