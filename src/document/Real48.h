#pragma once

#include <cstdint>
#include <stdexcept>

namespace zephra {

// The six-byte real of the record: byte 0 is the exponent biased by 129
// (0 means the value 0), bytes 1..5 a 39-bit fraction, little-endian, with
// the sign in the top bit of byte 5.
struct Real48 {
    std::uint8_t bytes[6];
};

// Raised when a double's exponent does not fit a Real48.
class Real48Overflow : public std::overflow_error {
public:
    Real48Overflow() : std::overflow_error("Floating point overflow") {}
};

double Real48ToDouble(const Real48& r);

// Rounds to the nearest representable value (halves to even); a value too
// small for the format becomes 0; too large (or not finite) throws
// Real48Overflow.
Real48 DoubleToReal48(double x);

} // namespace zephra
