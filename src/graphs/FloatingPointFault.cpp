#include "graphs/FloatingPointFault.h"

#include <cmath>

namespace zephra {

FloatingPointFault::FloatingPointFault(FaultKind kind)
    : std::runtime_error(FaultMessage(kind)), kind_(kind) {}

std::string FaultMessage(FaultKind kind) {
    switch (kind) {
    case FaultKind::InvalidOperation:
        return "The graph could not be drawn: invalid floating-point operation.";
    case FaultKind::DivisionByZero:
        return "The graph could not be drawn: floating-point division by zero.";
    case FaultKind::Overflow:
        return "The graph could not be drawn: floating-point overflow.";
    }
    return "The graph could not be drawn: floating-point error.";
}

double CheckedFinite(double x) {
    if (std::isnan(x)) {
        throw FloatingPointFault(FaultKind::InvalidOperation);
    }
    if (std::isinf(x)) {
        throw FloatingPointFault(FaultKind::Overflow);
    }
    return x;
}

double CheckedLn(double x) {
    CheckedFinite(x);
    if (x <= 0.0) {
        throw FloatingPointFault(FaultKind::InvalidOperation);
    }
    return std::log(x);
}

double CheckedExp(double x) {
    return CheckedFinite(std::exp(CheckedFinite(x)));
}

double CheckedDivide(double numerator, double denominator) {
    CheckedFinite(numerator);
    CheckedFinite(denominator);
    if (denominator == 0.0) {
        throw FloatingPointFault(numerator == 0.0 ? FaultKind::InvalidOperation
                                                  : FaultKind::DivisionByZero);
    }
    return CheckedFinite(numerator / denominator);
}

} // namespace zephra
