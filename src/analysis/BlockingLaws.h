#pragma once

#include <array>
#include <optional>
#include <span>
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

// The parameters of a law: the initial flux J0 (LMH), the law's constant K,
// which is Kb (1/h) for complete blocking, Ki (m²/L) for intermediate
// blocking, Vmax (L/m²) for standard blocking and Kc (h·m⁴/L²) for cake
// filtration, and the time T0 (h) at which filtration starts.
struct LawParameters {
    double J0 = 0;
    double K = 0;
    double T0 = 0;
};

// The closed form v(t) of the law, L/m² after `hours`, with τ = t - T0 (no
// throughput before T0):
//   complete      v = (J0/Kb)(1 - exp(-Kb·τ))
//   intermediate  v = ln(1 + Ki·J0·τ) / Ki
//   standard      v = J0·τ / (1 + J0·τ/Vmax)
//   cake          v = (sqrt(1 + 2·Kc·J0²·τ) - 1) / (Kc·J0)
// A constant of 0 (an infinite Vmax) gives the clean-filter line v = J0·τ.
double ClosedFormThroughput(BlockingLaw law, const LawParameters& p, double hours);

// Every law written with one fouling constant c (m²/L), the reciprocal of a
// throughput: v = g(x)/c with x = c·J0·τ. c is Kb/J0 for complete blocking,
// Ki for intermediate blocking, 1/Vmax for standard blocking and Kc·J0 for
// cake filtration.
double FoulingConstant(BlockingLaw law, const LawParameters& p);
LawParameters ParametersOf(BlockingLaw law, double J0, double c, double T0);

// The flux (LMH) once the throughput `v` has passed: J0·(1 - c·v),
// J0·exp(-c·v), J0·(1 - c·v)² and J0/(1 + c·v); 0 past a limit.
double FluxAtThroughput(BlockingLaw law, const LawParameters& p, double v);

// The throughput (L/m²) at which the flux has fallen to `flux` (at most
// J0).
double ThroughputAtFlux(BlockingLaw law, const LawParameters& p, double flux);

// The filtration time (h, from T0) until the throughput reaches `v`;
// infinity when the law never gets there.
double HoursToThroughput(BlockingLaw law, const LawParameters& p, double v);

// The capacity of the law is κ/c (L/m²): the limit J0/Kb of complete
// blocking (κ = 1), Vmax of standard blocking (κ = 1), and for the laws
// that never stop, the throughput at which the flux has fallen to
// `terminalFluxShare`·J0: κ = ln(1/share) for intermediate blocking and
// 1/share - 1 for cake filtration.
double CapacityFactor(BlockingLaw law, double terminalFluxShare);
// Whether the law's capacity is the throughput at the terminal flux.
bool CapacityAtTerminalFlux(BlockingLaw law);

// The closed form in the fitted parameters (J0, c, T0), with its partial
// derivatives in that order; nothing outside the law's domain (before
// filtration starts, or where a root or logarithm is undefined).
struct ThroughputWithGradient {
    double Value = 0;
    std::array<double, 3> Gradient{};
};
std::optional<ThroughputWithGradient> FittedThroughput(BlockingLaw law, double J0, double c,
                                                       double T0, double hours);

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

} // namespace zephra
