#include "analysis/BlockingLawFit.h"

#include "analysis/LeastSquares.h"
#include "analysis/StudentT.h"
#include "document/Quantities.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zephra {

namespace {

constexpr std::size_t MinimumPoints = 4;
constexpr int FittedParameters = 3;
// AICc counts the residual variance as a parameter too.
constexpr int AiccParameters = FittedParameters + 1;
// A fouling whose effect on the flux over the whole trial is below this
// share cannot be told from the rounding of the numbers.
constexpr double RoundingLevel = 1e-9;
constexpr double LargestAutocorrelation = 0.9;
constexpr double LargestRunsAutocorrelation = 0.98;
// The fouling effect c·J0·t over the trial below which a trial shows no
// fouling worth the name: the flux stays within about 5 % of J0.
constexpr double NegligibleFouling = 0.05;
// The one-sided 5 % point of the standard normal distribution.
constexpr double IndependentScatterLevel = 1.645;

bool AllFinite(std::span<const double> values) {
    return std::ranges::all_of(values, [](double v) { return std::isfinite(v); });
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

LinearForm LinearFormOf(BlockingLaw law, const TrialPoints& points) {
    LinearForm form;
    if (law == BlockingLaw::Complete || law == BlockingLaw::Intermediate) {
        for (const FluxInterval& interval : FluxIntervals(points.Hours, points.Throughput)) {
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
    for (std::size_t i = 0; i < points.Hours.size(); ++i) {
        form.x.push_back(law == BlockingLaw::Standard ? points.Hours[i] : points.Throughput[i]);
        form.y.push_back(points.Hours[i] / points.Throughput[i]);
    }
    return form;
}

// The parameters the line of the linear form gives (J0, K, T0 = 0).
LawParameters LineParameters(BlockingLaw law, const LinearFit& line) {
    switch (law) {
    case BlockingLaw::Complete:
        return {line.Intercept, -line.Slope};
    case BlockingLaw::Intermediate:
        return {1 / line.Intercept, line.Slope};
    case BlockingLaw::Standard:
        return {1 / line.Intercept, 1 / line.Slope};
    case BlockingLaw::Cake:
        return {1 / line.Intercept, 2 * line.Slope};
    }
    return {};
}

// Where the nonlinear fit starts: the line's J0 and constant where they are
// physical, otherwise the first interval's flux and a mild fouling.
Parameters3 StartOf(BlockingLaw law, const LinearFit& line, const TrialPoints& points) {
    const LawParameters p = LineParameters(law, line);
    double J0 = p.J0;
    double c = FoulingConstant(law, p);
    if (!(J0 > 0) || !std::isfinite(J0)) {
        J0 = points.Throughput.front() / points.Hours.front();
    }
    if (!(c > 0) || !std::isfinite(c)) {
        c = 0.1 / points.Throughput.back();
    }
    return {J0, c, 0};
}

std::string NegativeConstantReason(BlockingLaw law) {
    switch (law) {
    case BlockingLaw::Complete:
        return "negative Kb";
    case BlockingLaw::Intermediate:
        return "negative Ki";
    case BlockingLaw::Standard:
        return "negative Vmax";
    case BlockingLaw::Cake:
        return "negative Kc";
    }
    return {};
}

// The lag-1 autocorrelation of the residuals each scaled by its weight.
double Lag1Autocorrelation(std::span<const double> residuals, std::span<const double> weights) {
    double products = 0;
    double squares = 0;
    double previous = 0;
    for (std::size_t i = 0; i < residuals.size(); ++i) {
        const double z = residuals[i] * std::sqrt(weights[i]);
        squares += z * z;
        if (i > 0) {
            products += previous * z;
        }
        previous = z;
    }
    return squares > 0 ? products / squares : 0;
}

} // namespace

LawFit FitBlockingLaw(BlockingLaw law, const TrialPoints& points) {
    const std::size_t n = points.Hours.size();
    if (n < MinimumPoints || points.Throughput.size() != n || points.Variance.size() != n) {
        return NotFitted(law, std::string(NotEnoughData));
    }
    if (!AllFinite(points.Hours) || !AllFinite(points.Throughput) || !AllFinite(points.Variance) ||
        !(points.AreaM2 > 0) || !std::isfinite(points.AreaM2)) {
        return NotFitted(law, "values not finite");
    }
    double t0 = 0;
    double v0 = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (!(points.Hours[i] > t0) || !(points.Throughput[i] > v0) || !(points.Variance[i] > 0)) {
            return NotFitted(law, "non-positive interval in the data");
        }
        t0 = points.Hours[i];
        v0 = points.Throughput[i];
    }

    const LinearForm form = LinearFormOf(law, points);
    LawFit fit;
    fit.Law = law;
    fit.Points = static_cast<int>(n);
    fit.Line = FitLine(form.x, form.y);
    if (!std::isfinite(fit.Line.Slope) || !std::isfinite(fit.Line.Intercept) ||
        !std::isfinite(fit.Line.R2)) {
        return NotFitted(law, "degenerate linear fit");
    }

    std::vector<double> weights;
    for (const double variance : points.Variance) {
        weights.push_back(1 / variance);
    }
    const ModelAt model = [&](std::size_t i, const Parameters3& p, double& value,
                              Parameters3& gradient) {
        const auto at = FittedThroughput(law, p[0], p[1], p[2], points.Hours[i]);
        if (!at) {
            return false;
        }
        value = at->Value;
        gradient = at->Gradient;
        return true;
    };
    const LeastSquaresFit ls =
        FitLeastSquares(points.Throughput, weights, model, StartOf(law, fit.Line, points));
    if (!ls.Converged || !ls.Invertible) {
        fit.Reason = "the fit does not converge";
        return fit;
    }
    const auto [J0, c, start] = ls.P;
    fit.Params = ParametersOf(law, J0, c, start);
    fit.C = c;
    if (!(J0 > 0)) {
        fit.Reason = "J0 not positive";
        return fit;
    }
    if (c < 0) {
        fit.Reason = NegativeConstantReason(law);
        return fit;
    }

    // Whether there is fouling at all: the constant against the scatter of
    // the points about the law, however well the law follows the trial.
    const int pointFreedom = static_cast<int>(n) - FittedParameters;
    const double pointSpread =
        std::sqrt(ls.WeightedSquares / pointFreedom * ls.InverseNormal[1][1]);
    const double effect = c * J0 * (points.Hours.back() - start);
    const double t95 = StudentTQuantile(0.95, pointFreedom);
    if (!(c > t95 * pointSpread) || !(effect > RoundingLevel)) {
        const double mostEffect = (c + t95 * pointSpread) * J0 * (points.Hours.back() - start);
        if (!(mostEffect < NegligibleFouling)) {
            fit.Reason = std::string(TooEarlyToTell);
        } else {
            fit.Reason = law == BlockingLaw::Standard ? "no fouling: Vmax is unbounded"
                                                      : "no significant fouling";
        }
        return fit;
    }

    // The residual variance per unit weight and the degrees of freedom of
    // the intervals, both from the effective number of points under serial
    // correlation.
    fit.ResidualAutocorrelation = Lag1Autocorrelation(ls.Residuals, weights);
    double rho = std::clamp(fit.ResidualAutocorrelation, 0.0, LargestAutocorrelation);
    if (!ResidualsLookIndependent(fit)) {
        // Runs in the residuals (a pressure that wobbles or drifts adds up
        // in the volumes): the lag-1 estimate falls short of the true
        // correlation by about (1 + 3ρ)/n, and the correlation may come
        // near 1.
        rho = std::min(LargestRunsAutocorrelation,
                       fit.ResidualAutocorrelation +
                           (1 + 3 * fit.ResidualAutocorrelation) / static_cast<double>(n));
    }
    fit.EffectivePoints = static_cast<double>(n) * (1 - rho) / (1 + rho);
    const double freedom = std::max(1.0, fit.EffectivePoints - FittedParameters);
    fit.DegreesOfFreedom = static_cast<int>(std::floor(freedom));
    fit.CStdError = std::sqrt(ls.WeightedSquares / freedom * ls.InverseNormal[1][1]);
    fit.WeightedSquares = ls.WeightedSquares;

    double squares = 0;
    for (const double r : ls.Residuals) {
        const double ml = Volume::Litres(r * points.AreaM2).InMl();
        squares += ml * ml;
    }
    fit.RmsMl = std::sqrt(squares / static_cast<double>(n));
    if (!std::isfinite(fit.RmsMl) || !std::isfinite(fit.CStdError)) {
        fit.Reason = "values not finite";
        return fit;
    }
    const int k = AiccParameters;
    if (static_cast<int>(n) > k + 1) {
        const double nd = static_cast<double>(n);
        fit.Aicc =
            nd * std::log(std::max(ls.WeightedSquares, std::numeric_limits<double>::min()) / nd) +
            2.0 * k + 2.0 * k * (k + 1) / (nd - k - 1);
    }
    fit.Fitted = true;
    return fit;
}

bool ResidualsLookIndependent(const LawFit& fit) {
    return fit.Points > 0 &&
           fit.ResidualAutocorrelation < IndependentScatterLevel / std::sqrt(fit.Points);
}

} // namespace zephra
