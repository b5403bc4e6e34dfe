#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

namespace zephra {

// Weighted nonlinear least squares in three parameters, by the
// Levenberg-Marquardt method: the parameters p that minimise
// sum of w[i]·(y[i] - f(i, p))². Deterministic: the same input gives the
// same result bit for bit.

using Parameters3 = std::array<double, 3>;
using Matrix3 = std::array<Parameters3, 3>;

// The model at point i: its value and its gradient with respect to the
// parameters. False when the parameters lie outside the model's domain at
// that point; the method then takes a shorter step.
using ModelAt =
    std::function<bool(std::size_t i, const Parameters3& p, double& value, Parameters3& gradient)>;

struct LeastSquaresFit {
    // A minimum was reached: no step makes the sum of squares smaller. False
    // when the start lies outside the domain or the iterations ran out.
    bool Converged = false;
    Parameters3 P{};
    double WeightedSquares = 0;    // sum of w·r² at P
    std::vector<double> Residuals; // y - f at P
    // (JᵀWJ)⁻¹ at P: times the residual variance per unit weight, the
    // covariance of the parameters. Valid only when `Invertible`.
    Matrix3 InverseNormal{};
    bool Invertible = false;
};

// Fits the model to y (weights w, positive) from `start`.
LeastSquaresFit FitLeastSquares(std::span<const double> y, std::span<const double> w,
                                const ModelAt& model, const Parameters3& start);

} // namespace zephra
