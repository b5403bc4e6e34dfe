#include "analysis/BlockingLaws.h"

#include "analysis/StudentT.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace zephra {

namespace {

constexpr std::size_t MinimumPoints = 4;
constexpr double MlPerLitre = 1000;
constexpr double RoundingLevel = 1e-9;

bool AllFinite(std::span<const double> values) {
    for (const double v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

LawFit NotFitted(BlockingLaw law, std::string reason) {
    LawFit fit;
    fit.Law = law;
    fit.Reason = std::move(reason);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    fit.Line = {nan, nan, nan, nan};
    return fit;
}

// The linear form of the law: its x and y values.
struct LinearForm {
    std::vector<double> x;
    std::vector<double> y;
};

LinearForm LinearFormOf(BlockingLaw law, std::span<const double> hours,
                        std::span<const double> throughput) {
    LinearForm form;
    if (law == BlockingLaw::Complete || law == BlockingLaw::Intermediate) {
        for (const FluxInterval& interval : FluxIntervals(hours, throughput)) {
            if (law == BlockingLaw::Complete) {
                form.x.push_back(interval.MidThroughput);
                form.y.push_back(interval.Flux);
            } else {
                form.x.push_back(interval.MidTime);
                form.y.push_back(1 / interval.Flux);
            }
        }
        return form;
    }
    for (std::size_t i = 0; i < hours.size(); ++i) {
        form.x.push_back(law == BlockingLaw::Standard ? hours[i] : throughput[i]);
        form.y.push_back(hours[i] / throughput[i]);
    }
    return form;
}

// Whether the law's constant (the slope of its linear form) can be told
// from zero: its 95 % interval must exclude 0, and its effect over the trial
// must stand above the rounding of the data, which alone can make the slope
// of a perfectly steady flow look significant.
bool ShowsFouling(const LinearFit& line, const LinearForm& form) {
    const auto [xMin, xMax] = std::ranges::minmax(form.x);
    double yLargest = 0;
    for (const double y : form.y) {
        yLargest = std::max(yLargest, std::abs(y));
    }
    const double t = StudentTQuantile(0.95, static_cast<int>(form.x.size()) - 2);
    const double change = std::abs(line.Slope) * (xMax - xMin);
    return std::abs(line.Slope) > t * line.SlopeStdError && change > RoundingLevel * yLargest;
}

// The parameters from the fitted line, or the reason they are unphysical.
std::string ParametersOf(BlockingLaw law, const LinearFit& line, LawParameters& p) {
    switch (law) {
    case BlockingLaw::Complete:
        p = {line.Intercept, -line.Slope};
        if (p.K < 0) {
            return "negative Kb";
        }
        break;
    case BlockingLaw::Intermediate:
        p = {1 / line.Intercept, line.Slope};
        if (p.K < 0) {
            return "negative Ki";
        }
        break;
    case BlockingLaw::Standard:
        p = {1 / line.Intercept, 1 / line.Slope};
        if (!(line.Slope > 0)) {
            return line.Slope < 0 ? "negative Vmax" : "no fouling: Vmax is unbounded";
        }
        break;
    case BlockingLaw::Cake:
        p = {1 / line.Intercept, 2 * line.Slope};
        if (p.K < 0) {
            return "negative Kc";
        }
        break;
    }
    if (!(p.J0 > 0)) {
        return "J0 not positive";
    }
    if (!std::isfinite(p.J0) || !std::isfinite(p.K)) {
        return "parameters not finite";
    }
    return {};
}

} // namespace

std::string_view LawKey(BlockingLaw law) {
    constexpr std::array<std::string_view, 4> keys{"complete", "intermediate", "standard", "cake"};
    return keys[static_cast<std::size_t>(law)];
}

std::string_view LawTitle(BlockingLaw law) {
    constexpr std::array<std::string_view, 4> titles{"complete blocking", "intermediate blocking",
                                                     "standard blocking", "cake filtration"};
    return titles[static_cast<std::size_t>(law)];
}

double ClosedFormThroughput(BlockingLaw law, const LawParameters& p, double hours) {
    const double clean = p.J0 * hours;
    switch (law) {
    case BlockingLaw::Complete:
        return p.K == 0 ? clean : -std::expm1(-p.K * hours) * p.J0 / p.K;
    case BlockingLaw::Intermediate:
        return p.K == 0 ? clean : std::log1p(p.K * clean) / p.K;
    case BlockingLaw::Standard:
        return clean / (1 + clean / p.K);
    case BlockingLaw::Cake:
        // The root written without the difference of nearly equal numbers.
        return 2 * clean / (1 + std::sqrt(1 + 2 * p.K * p.J0 * clean));
    }
    return clean;
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

LawFit FitBlockingLaw(BlockingLaw law, std::span<const double> hours,
                      std::span<const double> throughput, double areaM2) {
    const std::size_t n = hours.size();
    if (n < MinimumPoints || throughput.size() != n) {
        return NotFitted(law, std::string(NotEnoughData));
    }
    if (!AllFinite(hours) || !AllFinite(throughput) || !(areaM2 > 0) || !std::isfinite(areaM2)) {
        return NotFitted(law, "values not finite");
    }
    double t0 = 0;
    double v0 = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!(hours[i] > t0) || !(throughput[i] > v0)) {
            return NotFitted(law, "non-positive interval in the data");
        }
        t0 = hours[i];
        v0 = throughput[i];
    }

    const LinearForm form = LinearFormOf(law, hours, throughput);
    LawFit fit;
    fit.Law = law;
    fit.Line = FitLine(form.x, form.y);
    if (!std::isfinite(fit.Line.Slope) || !std::isfinite(fit.Line.Intercept) ||
        !std::isfinite(fit.Line.R2)) {
        return NotFitted(law, "degenerate linear fit");
    }
    // An unphysical law keeps its line, so its R² can still be shown.
    fit.Reason = ParametersOf(law, fit.Line, fit.Params);
    if (fit.Reason.empty() && !ShowsFouling(fit.Line, form)) {
        fit.Reason = "no significant fouling";
    }
    if (!fit.Reason.empty()) {
        return fit;
    }

    double squares = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double difference =
            (throughput[i] - ClosedFormThroughput(law, fit.Params, hours[i])) * areaM2 * MlPerLitre;
        squares += difference * difference;
    }
    fit.RmsMl = std::sqrt(squares / static_cast<double>(n));
    if (!std::isfinite(fit.RmsMl)) {
        return NotFitted(law, "closed form not finite");
    }
    fit.Fitted = true;
    return fit;
}

} // namespace zephra
