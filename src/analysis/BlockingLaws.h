#pragma once

#include "analysis/LinearFit.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zephra {

// The four blocking laws of constant-pressure filtration (Hermia, 1982),
// with throughput v in L/m², time t in hours and flux J in L/m²/h (LMH).
enum class BlockingLaw { Complete, Intermediate, Standard, Cake };

inline constexpr std::array<BlockingLaw, 4> AllBlockingLaws{
    BlockingLaw::Complete, BlockingLaw::Intermediate, BlockingLaw::Standard, BlockingLaw::Cake};

// "complete", "intermediate", "standard", "cake".
std::string_view LawKey(BlockingLaw law);
// "complete blocking", ..., "cake filtration".
std::string_view LawTitle(BlockingLaw law);

// The two parameters of a law: the initial flux J0 (LMH) and the law's
// constant K, which is Kb (1/h) for complete blocking, Ki (m²/L) for
// intermediate blocking, Vmax (L/m²) for standard blocking and Kc (h·m⁴/L²)
// for cake filtration.
struct LawParameters {
    double J0 = 0;
    double K = 0;
};

// The closed form v(t) of the law, L/m² after `hours`:
//   complete      v = (J0/Kb)(1 - exp(-Kb·t))
//   intermediate  v = ln(1 + Ki·J0·t) / Ki
//   standard      v = J0·t / (1 + J0·t/Vmax)
//   cake          v = (sqrt(1 + 2·Kc·J0²·t) - 1) / (Kc·J0)
// A constant of 0 (an infinite Vmax) gives the clean-filter line v = J0·t.
double ClosedFormThroughput(BlockingLaw law, const LawParameters& p, double hours);

// The flux of one interval between consecutive points, placed at the
// interval's midpoint time and throughput.
struct FluxInterval {
    double MidTime = 0;       // h
    double MidThroughput = 0; // L/m²
    double Flux = 0;          // L/m²/h
};

// The intervals of the points, the first from the origin (t = 0, v = 0) to
// the first point.
std::vector<FluxInterval> FluxIntervals(std::span<const double> hours,
                                        std::span<const double> throughput);

// The reason a law is not fitted when there are fewer than four points.
inline constexpr std::string_view NotEnoughData = "not enough data";

// The fit of one law to a trial.
struct LawFit {
    BlockingLaw Law = BlockingLaw::Complete;
    bool Fitted = false;
    std::string Reason;   // why the law is not fitted; empty when it is
    LawParameters Params; // meaningful when fitted
    LinearFit Line;       // the least-squares fit of the law's linear form
    double RmsMl = 0;     // RMS of measured minus closed-form volume, ml
};

// Fits `law` to the points (time in h, throughput in L/m², strictly
// increasing from the origin) of a filter of `areaM2`, by least squares on
// the law's linear form:
//   complete      J against midpoint v:   J = J0 - Kb·v
//   intermediate  1/J against midpoint t: 1/J = 1/J0 + Ki·t
//   standard      t/v against t:          t/v = 1/J0 + t/Vmax
//   cake          t/v against v:          t/v = 1/J0 + (Kc/2)·v
// The law is not fitted, with the reason, when there are fewer than four
// points, an interval is not positive, a value is not finite, or a
// parameter lies outside its physical range (J0 not positive, a negative
// Kb, Ki or Kc, a Vmax that is not a positive number), or the law's constant
// cannot be told from zero (the slope's 95 % interval holds 0: no fouling).
LawFit FitBlockingLaw(BlockingLaw law, std::span<const double> hours,
                      std::span<const double> throughput, double areaM2);

} // namespace zephra
