#pragma once

#include "analysis/BlockingLaws.h"
#include "analysis/LinearFit.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zephra {

// The points of a trial one law is fitted to.
struct TrialPoints {
    std::vector<double> Hours;      // time of each reading, h
    std::vector<double> Throughput; // L/m²
    // The variance each throughput has from the rounding of its reading,
    // (L/m²)²: the fit weighs each point by its reciprocal.
    std::vector<double> Variance;
    double AreaM2 = 0; // laboratory filter area
};

// The reason a law is not fitted when there are fewer than four points.
inline constexpr std::string_view NotEnoughData = "not enough data";
// The reason a law is not fitted when its fouling cannot be told from the
// scatter, but the trial is too short or too noisy to rule fouling out.
inline constexpr std::string_view TooEarlyToTell = "too early to tell";

// The fit of one law to a trial.
struct LawFit {
    BlockingLaw Law = BlockingLaw::Complete;
    bool Fitted = false;
    std::string Reason;   // why the law is not fitted; empty when it is
    LawParameters Params; // meaningful when fitted
    LinearFit Line;       // the least-squares fit of the law's linear form
    double RmsMl = 0;     // RMS of measured minus fitted volume, ml
    int Points = 0;
    // The fouling constant c (FoulingConstant, m²/L) with its standard
    // error, widened for the serial correlation of the residuals, and the
    // degrees of freedom its Student t quantiles take.
    double C = 0;
    double CStdError = 0;
    int DegreesOfFreedom = 0;
    // The lag-1 autocorrelation of the weighted residuals: near 0 when the
    // law describes the trial and only the readings' rounding scatters them.
    double ResidualAutocorrelation = 0;
    // The number of points as independent readings under that correlation,
    // n·(1 - ρ)/(1 + ρ): what the intervals and the choice of law count.
    double EffectivePoints = 0;
    double WeightedSquares = 0; // sum of the squared weighted residuals
    // Akaike's information criterion with the small-sample correction, from
    // the weighted residuals; nothing for fewer than six points.
    std::optional<double> Aicc;
};

// Fits `law` to the points (strictly increasing from the origin) by
// weighted nonlinear least squares of the closed form v(t) in its three
// parameters J0, the fouling constant and the start T0, which takes up a
// flow opened late and time stamps that lag the weighing (Bolton, LaCasse
// and Kuriyel, 2006). The least-squares line of the law's linear form
// (where T0 is 0)
//   complete      J against midpoint v:   J = J0 - Kb·v
//   intermediate  1/J against midpoint t: 1/J = 1/J0 + Ki·t
//   standard      t/v against t:          t/v = 1/J0 + t/Vmax
//   cake          t/v against v:          t/v = 1/J0 + (Kc/2)·v
// gives the start and the R² shown. The residual variance is estimated
// from the points; when the residuals are serially correlated (a drifting
// pressure, a law that does not describe the trial) the effective number
// of points shrinks by (1 - ρ)/(1 + ρ), which widens the intervals.
//
// The law is not fitted, with the reason, when there are fewer than four
// points, an interval is not positive, a value is not finite, the fit does
// not converge, a parameter lies outside its physical range (J0 not
// positive, a negative constant), or the constant cannot be told from zero
// (its 95 % interval, from the scatter about the law, holds 0): "no
// significant fouling" when the interval's upper end still keeps the flux
// within a few per cent of J0 over the trial, otherwise TooEarlyToTell (too
// few points, or too little decline to tell fouling from the scatter).
LawFit FitBlockingLaw(BlockingLaw law, const TrialPoints& points);

// Whether the fitted law follows the trial closely: the lag-1
// autocorrelation of its residuals stays below 1.645/√n, the one-sided 5 %
// level of independent scatter. A law that does not describe the trial, or
// a pressure that wanders, leaves runs of residuals of one sign.
bool ResidualsLookIndependent(const LawFit& fit);

} // namespace zephra
