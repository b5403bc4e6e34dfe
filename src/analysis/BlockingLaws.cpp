#include "analysis/BlockingLaws.h"

#include "document/TextCatalog.h"

#include <cmath>
#include <limits>

namespace zephra {

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
// Below this |x| the ratios are taken from their series, where the closed
// expressions lose their digits to cancellation.
constexpr double SeriesBelow = 1e-3;

// g(x)/x, the throughput relative to the clean filter's J0·τ; 1 at x = 0.
// NaN outside the law's domain.
double RelativeThroughput(BlockingLaw law, double x) {
    switch (law) {
    case BlockingLaw::Complete:
        return x == 0 ? 1 : -std::expm1(-x) / x;
    case BlockingLaw::Intermediate:
        return x == 0 ? 1 : (x > -1 ? std::log1p(x) / x : NAN);
    case BlockingLaw::Standard:
        return x > -1 ? 1 / (1 + x) : NAN;
    case BlockingLaw::Cake:
        return x > -0.5 ? 2 / (1 + std::sqrt(1 + 2 * x)) : NAN;
    }
    return NAN;
}

// The derivative of RelativeThroughput.
double RelativeThroughputSlope(BlockingLaw law, double x) {
    const double x2 = x * x;
    switch (law) {
    case BlockingLaw::Complete:
        if (std::abs(x) < SeriesBelow) {
            return -0.5 + x / 3 - x2 / 8 + x2 * x / 30;
        }
        return (std::exp(-x) - RelativeThroughput(law, x)) / x;
    case BlockingLaw::Intermediate:
        if (std::abs(x) < SeriesBelow) {
            return -0.5 + 2 * x / 3 - 0.75 * x2 + 0.8 * x2 * x;
        }
        return (1 / (1 + x) - RelativeThroughput(law, x)) / x;
    case BlockingLaw::Standard:
        return -1 / ((1 + x) * (1 + x));
    case BlockingLaw::Cake: {
        const double s = std::sqrt(1 + 2 * x);
        return -2 / ((1 + s) * (1 + s) * s);
    }
    }
    return NAN;
}

// g'(x): the flux relative to J0 after the filtration time τ = x/(c·J0).
double RelativeFluxAtX(BlockingLaw law, double x) {
    switch (law) {
    case BlockingLaw::Complete:
        return std::exp(-x);
    case BlockingLaw::Intermediate:
        return 1 / (1 + x);
    case BlockingLaw::Standard:
        return 1 / ((1 + x) * (1 + x));
    case BlockingLaw::Cake:
        return 1 / std::sqrt(1 + 2 * x);
    }
    return NAN;
}

} // namespace

std::string_view LawKey(BlockingLaw law) {
    constexpr std::array<std::string_view, 4> keys{"complete", "intermediate", "standard", "cake"};
    return keys[static_cast<std::size_t>(law)];
}

std::string_view LawTitle(BlockingLaw law) {
    // The windows show them translated (see ShownText).
    constexpr std::array<std::string_view, 4> titles{
        ShownText("FoulingAnalysis", "complete blocking"),
        ShownText("FoulingAnalysis", "intermediate blocking"),
        ShownText("FoulingAnalysis", "standard blocking"),
        ShownText("FoulingAnalysis", "cake filtration")};
    return titles[static_cast<std::size_t>(law)];
}

double FoulingConstant(BlockingLaw law, const LawParameters& p) {
    switch (law) {
    case BlockingLaw::Complete:
        return p.K / p.J0;
    case BlockingLaw::Intermediate:
        return p.K;
    case BlockingLaw::Standard:
        return 1 / p.K;
    case BlockingLaw::Cake:
        return p.K * p.J0;
    }
    return NAN;
}

LawParameters ParametersOf(BlockingLaw law, double J0, double c, double T0) {
    switch (law) {
    case BlockingLaw::Complete:
        return {J0, c * J0, T0};
    case BlockingLaw::Intermediate:
        return {J0, c, T0};
    case BlockingLaw::Standard:
        return {J0, 1 / c, T0};
    case BlockingLaw::Cake:
        return {J0, c / J0, T0};
    }
    return {};
}

double ClosedFormThroughput(BlockingLaw law, const LawParameters& p, double hours) {
    const double tau = hours - p.T0;
    if (!(tau > 0)) {
        return 0;
    }
    const double clean = p.J0 * tau;
    return clean * RelativeThroughput(law, FoulingConstant(law, p) * clean);
}

double FluxAtThroughput(BlockingLaw law, const LawParameters& p, double v) {
    const double y = FoulingConstant(law, p) * v;
    switch (law) {
    case BlockingLaw::Complete:
        return y < 1 ? p.J0 * (1 - y) : 0;
    case BlockingLaw::Intermediate:
        return p.J0 * std::exp(-y);
    case BlockingLaw::Standard:
        return y < 1 ? p.J0 * (1 - y) * (1 - y) : 0;
    case BlockingLaw::Cake:
        return p.J0 / (1 + y);
    }
    return NAN;
}

double ThroughputAtFlux(BlockingLaw law, const LawParameters& p, double flux) {
    const double r = flux / p.J0;
    double y = NAN;
    switch (law) {
    case BlockingLaw::Complete:
        y = 1 - r;
        break;
    case BlockingLaw::Intermediate:
        y = -std::log(r);
        break;
    case BlockingLaw::Standard:
        y = 1 - std::sqrt(r);
        break;
    case BlockingLaw::Cake:
        y = 1 / r - 1;
        break;
    }
    return y / FoulingConstant(law, p);
}

double HoursToThroughput(BlockingLaw law, const LawParameters& p, double v) {
    const double y = FoulingConstant(law, p) * v;
    // x/y, so that the time is (v/J0)·(x/y), exact as c goes to 0.
    double ratio = 1;
    switch (law) {
    case BlockingLaw::Complete:
        if (!(y < 1)) {
            return Infinity;
        }
        ratio = y == 0 ? 1 : -std::log1p(-y) / y;
        break;
    case BlockingLaw::Intermediate:
        ratio = y == 0 ? 1 : std::expm1(y) / y;
        break;
    case BlockingLaw::Standard:
        if (!(y < 1)) {
            return Infinity;
        }
        ratio = 1 / (1 - y);
        break;
    case BlockingLaw::Cake:
        ratio = 1 + y / 2;
        break;
    }
    return v / p.J0 * ratio;
}

double CapacityFactor(BlockingLaw law, double terminalFluxShare) {
    switch (law) {
    case BlockingLaw::Complete:
    case BlockingLaw::Standard:
        return 1;
    case BlockingLaw::Intermediate:
        return -std::log(terminalFluxShare);
    case BlockingLaw::Cake:
        return 1 / terminalFluxShare - 1;
    }
    return NAN;
}

bool CapacityAtTerminalFlux(BlockingLaw law) {
    return law == BlockingLaw::Intermediate || law == BlockingLaw::Cake;
}

std::optional<ThroughputWithGradient> FittedThroughput(BlockingLaw law, double J0, double c,
                                                       double T0, double hours) {
    const double tau = hours - T0;
    if (!(tau > 0)) {
        return std::nullopt;
    }
    const double clean = J0 * tau;
    const double x = c * clean;
    const double q = RelativeThroughput(law, x);
    if (!std::isfinite(q)) {
        return std::nullopt;
    }
    const double flux = RelativeFluxAtX(law, x);
    ThroughputWithGradient result;
    result.Value = clean * q;
    result.Gradient = {tau * flux, clean * clean * RelativeThroughputSlope(law, x), -J0 * flux};
    return result;
}

std::vector<FluxInterval> FluxIntervals(std::span<const double> hours,
                                        std::span<const double> throughput) {
    std::vector<FluxInterval> intervals;
    double t0 = 0;
    double v0 = 0;
    for (std::size_t i = 0; i < hours.size() && i < throughput.size(); ++i) {
        const double t1 = hours[i];
        const double v1 = throughput[i];
        intervals.push_back({(t0 + t1) / 2, (v0 + v1) / 2, (v1 - v0) / (t1 - t0)});
        t0 = t1;
        v0 = v1;
    }
    return intervals;
}

} // namespace zephra
