#include "analysis/PowerModelSearch.h"

#include "analysis/Regression.h"

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
        sums_ = SumRegressionX(X());
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
    std::span<const double> X() const { return {x_.data(), R_.size()}; }
    std::span<const double> Y() const { return {y_.data(), R_.size()}; }

    // Refreshes Y at the trial resistance and fits it, unless a point has
    // been reached (now or since the flag was last cleared); then the last
    // fit stands.
    void Recompute() {
        for (std::size_t i = 0; i < R_.size(); ++i) {
            if (Rt_ >= R_[i]) {
                overshoot_ = true;
            } else {
                y_[i] = std::log(R_[i] - Rt_);
            }
        }
        if (!overshoot_) {
            RegressionWithXSums(m_, b_, r_, sums_, X(), Y());
        }
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
    std::array<double, 36> y_{};
    RegressionXSums sums_;
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
