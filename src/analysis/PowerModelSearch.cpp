#include "analysis/PowerModelSearch.h"

#include "analysis/Regression.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zephra {
namespace {

class Search {
public:
    Search(std::span<const double> v, std::span<const double> R) : R_(R) {
        for (std::size_t i = 0; i < v.size(); ++i) {
            x_[i] = std::log(v[i]);
        }
        xTerms_ = RegressionXTermsOf(std::span(x_.data(), v.size()));
        smallestR_ = *std::min_element(R.begin(), R.end());
    }

    PowerSearchResult Run() {
        Recompute();
        if (overshoot_) {
            return {};
        }
        if (!Stage(1e9, 2, true) || !Stage(1e7, 2, true) || !Stage(1e5, 1, false)) {
            return {PowerSearchEnd::TooManySteps};
        }
        overshoot_ = false;
        Recompute();
        if (overshoot_) {
            return {};
        }
        return {PowerSearchEnd::Fitted, m_, b_, r_, Rt_};
    }

private:
    // Fits ln(R − Rt) against ln v at the trial resistance Rt, unless Rt has
    // reached a point, now or since the flag was last cleared; then the last
    // fit stands.
    void Recompute() {
        if (Rt_ >= smallestR_) {
            overshoot_ = true;
        }
        if (overshoot_) {
            return;
        }
        // All logarithms first: with no call inside the summing loop its
        // running sums stay in registers.
        std::array<double, 36> y;
        for (std::size_t i = 0; i < R_.size(); ++i) {
            y[i] = std::log(R_[i] - Rt_);
        }
        RegressionYSums ySums;
        for (std::size_t i = 0; i < R_.size(); ++i) {
            ySums.Add(x_[i], y[i]);
        }
        FinishRegression(m_, b_, r_, xTerms_, ySums, R_.size());
    }

    // Clears the overshoot flag, climbs by `step` until the correlation falls
    // or a point is reached, then goes back `stepsBack` steps (not below 0)
    // and, if asked, recomputes there with the flag as the climb left it.
    // False when the climb takes too many steps.
    bool Stage(double step, int stepsBack, bool recomputeAfter) {
        overshoot_ = false;
        long steps = 0;
        double rPrevious = 0;
        do {
            if (++steps > PowerSearchMaxSteps) {
                return false;
            }
            rPrevious = r_;
            Rt_ = Rt_ + step;
            Recompute();
        } while (!(r_ < rPrevious || overshoot_));
        Rt_ = Rt_ - stepsBack * step;
        if (Rt_ < 0) {
            Rt_ = 0;
        }
        if (recomputeAfter) {
            Recompute();
        }
        return true;
    }

    std::span<const double> R_;
    std::array<double, 36> x_{};
    RegressionXTerms xTerms_;
    double smallestR_ = 0;
    double Rt_ = 0;
    double m_ = 0;
    double b_ = 0;
    double r_ = 0;
    bool overshoot_ = false;
};

} // namespace

PowerSearchResult SearchPowerModel(std::span<const double> v, std::span<const double> R) {
    return Search(v, R).Run();
}

} // namespace zephra
