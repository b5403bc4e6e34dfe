#include "analysis/LeastSquares.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace zephra {

namespace {

constexpr int MaxIterations = 500;
constexpr double FirstDamping = 1e-3;
constexpr double LargestDamping = 1e16;
// A step that lowers the sum of squares by less than this share ends the
// search: the minimum is reached to the precision of doubles.
constexpr double RelativeDecrease = 1e-13;
constexpr double SmallestPivot = 1e-14;

// The normal equations at one point of the search.
struct Linearised {
    double Squares = 0;
    std::vector<double> Residuals;
    Matrix3 Normal{};       // JᵀWJ
    Parameters3 Gradient{}; // JᵀW·r
};

std::optional<Linearised> Linearise(std::span<const double> y, std::span<const double> w,
                                    const ModelAt& model, const Parameters3& p) {
    Linearised l;
    l.Residuals.resize(y.size());
    for (std::size_t i = 0; i < y.size(); ++i) {
        double value = 0;
        Parameters3 g{};
        if (!model(i, p, value, g) || !std::isfinite(value)) {
            return std::nullopt;
        }
        const double r = y[i] - value;
        l.Residuals[i] = r;
        l.Squares += w[i] * r * r;
        for (std::size_t j = 0; j < 3; ++j) {
            if (!std::isfinite(g[j])) {
                return std::nullopt;
            }
            l.Gradient[j] += w[i] * r * g[j];
            for (std::size_t k = 0; k < 3; ++k) {
                l.Normal[j][k] += w[i] * g[j] * g[k];
            }
        }
    }
    if (!std::isfinite(l.Squares)) {
        return std::nullopt;
    }
    return l;
}

// Solves a·x = b by Gaussian elimination with partial pivoting; nothing when
// `a` is singular to working precision.
std::optional<Parameters3> Solve(Matrix3 a, Parameters3 b) {
    for (std::size_t col = 0; col < 3; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < 3; ++row) {
            if (std::abs(a[row][col]) > std::abs(a[pivot][col])) {
                pivot = row;
            }
        }
        if (!(std::abs(a[pivot][col]) > SmallestPivot)) {
            return std::nullopt;
        }
        std::swap(a[col], a[pivot]);
        std::swap(b[col], b[pivot]);
        for (std::size_t row = col + 1; row < 3; ++row) {
            const double factor = a[row][col] / a[col][col];
            for (std::size_t k = col; k < 3; ++k) {
                a[row][k] -= factor * a[col][k];
            }
            b[row] -= factor * b[col];
        }
    }
    Parameters3 x{};
    for (std::size_t i = 3; i-- > 0;) {
        double sum = b[i];
        for (std::size_t k = i + 1; k < 3; ++k) {
            sum -= a[i][k] * x[k];
        }
        x[i] = sum / a[i][i];
    }
    return x;
}

// The normal matrix scaled to a unit diagonal, which keeps parameters of
// very different sizes (fluxes in thousands, constants in thousandths)
// solvable; the scales are the square roots of the diagonal.
struct Scaled {
    Matrix3 Unit{};
    Parameters3 Scale{};
};

std::optional<Scaled> ScaledNormal(const Matrix3& normal) {
    Scaled s;
    for (std::size_t j = 0; j < 3; ++j) {
        if (!(normal[j][j] > 0)) {
            return std::nullopt;
        }
        s.Scale[j] = std::sqrt(normal[j][j]);
    }
    for (std::size_t j = 0; j < 3; ++j) {
        for (std::size_t k = 0; k < 3; ++k) {
            s.Unit[j][k] = normal[j][k] / (s.Scale[j] * s.Scale[k]);
        }
    }
    return s;
}

// The Levenberg-Marquardt step for `damping`, or nothing.
std::optional<Parameters3> Step(const Linearised& l, double damping) {
    const std::optional<Scaled> s = ScaledNormal(l.Normal);
    if (!s) {
        return std::nullopt;
    }
    Matrix3 a = s->Unit;
    Parameters3 b{};
    for (std::size_t j = 0; j < 3; ++j) {
        a[j][j] += damping;
        b[j] = l.Gradient[j] / s->Scale[j];
    }
    std::optional<Parameters3> step = Solve(a, b);
    if (step) {
        for (std::size_t j = 0; j < 3; ++j) {
            (*step)[j] /= s->Scale[j];
        }
    }
    return step;
}

std::optional<Matrix3> Inverse(const Matrix3& normal) {
    const std::optional<Scaled> s = ScaledNormal(normal);
    if (!s) {
        return std::nullopt;
    }
    Matrix3 inverse{};
    for (std::size_t col = 0; col < 3; ++col) {
        Parameters3 unit{};
        unit[col] = 1;
        const std::optional<Parameters3> x = Solve(s->Unit, unit);
        if (!x) {
            return std::nullopt;
        }
        for (std::size_t row = 0; row < 3; ++row) {
            inverse[row][col] = (*x)[row] / (s->Scale[row] * s->Scale[col]);
        }
    }
    return inverse;
}

} // namespace

LeastSquaresFit FitLeastSquares(std::span<const double> y, std::span<const double> w,
                                const ModelAt& model, const Parameters3& start) {
    LeastSquaresFit fit;
    fit.P = start;
    std::optional<Linearised> current = Linearise(y, w, model, start);
    if (!current) {
        return fit;
    }
    double damping = FirstDamping;
    for (int iteration = 0; iteration < MaxIterations && !fit.Converged; ++iteration) {
        bool improved = false;
        while (!improved && damping <= LargestDamping) {
            const std::optional<Parameters3> step = Step(*current, damping);
            if (!step) {
                damping *= 10;
                continue;
            }
            Parameters3 next = fit.P;
            for (std::size_t j = 0; j < 3; ++j) {
                next[j] += (*step)[j];
            }
            std::optional<Linearised> trial = Linearise(y, w, model, next);
            if (trial && trial->Squares < current->Squares) {
                const double decrease = current->Squares - trial->Squares;
                fit.Converged = decrease <= RelativeDecrease * current->Squares;
                fit.P = next;
                current = std::move(trial);
                damping = std::max(damping / 10, 1e-12);
                improved = true;
            } else {
                damping *= 10;
            }
        }
        if (!improved) {
            // No step in any direction lowers the sum: this is the minimum.
            fit.Converged = true;
        }
    }
    fit.WeightedSquares = current->Squares;
    fit.Residuals = current->Residuals;
    if (const std::optional<Matrix3> inverse = Inverse(current->Normal)) {
        fit.InverseNormal = *inverse;
        fit.Invertible = true;
    }
    return fit;
}

} // namespace zephra
