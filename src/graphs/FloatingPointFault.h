#pragma once

#include <stdexcept>
#include <string>

namespace zephra {

// The arithmetic faults that abandon a picture. Drawing code checks for
// them explicitly, because C++ arithmetic silently yields infinities and
// NaNs where a picture must never be drawn from one.
enum class FaultKind {
    InvalidOperation, // logarithm of a value of 0 or less, 0/0, a NaN
    DivisionByZero,
    Overflow, // a result beyond the range of double or of a pixel position
};

class FloatingPointFault : public std::runtime_error {
public:
    explicit FloatingPointFault(FaultKind kind);
    FaultKind Kind() const { return kind_; }

private:
    FaultKind kind_;
};

// The message shown to the user when a fault abandons a picture.
std::string FaultMessage(FaultKind kind);

// Checked operations: each returns the finite result or throws the fault.
double CheckedLn(double x);
double CheckedExp(double x);
double CheckedDivide(double numerator, double denominator);
// Any other result: NaN is an invalid operation, an infinity an overflow.
double CheckedFinite(double x);

} // namespace zephra
