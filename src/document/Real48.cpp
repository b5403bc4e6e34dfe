#include "document/Real48.h"

#include <cmath>
#include <cstdint>

namespace zephra {

namespace {

constexpr int ExponentBias = 129;
constexpr std::uint64_t FractionBits = 39;
constexpr std::uint64_t HiddenBit = std::uint64_t{1} << FractionBits;

} // namespace

double Real48ToDouble(const Real48& r) {
    const int exponent = r.bytes[0];
    if (exponent == 0) {
        return 0.0;
    }
    std::uint64_t fraction = 0;
    for (int i = 5; i >= 1; --i) {
        fraction = (fraction << 8) | r.bytes[i];
    }
    const bool negative = (fraction & (std::uint64_t{1} << FractionBits)) != 0;
    fraction &= HiddenBit - 1;
    // 40 significant bits fit a double exactly.
    const double magnitude =
        std::ldexp(static_cast<double>(HiddenBit | fraction), exponent - ExponentBias - 39);
    return negative ? -magnitude : magnitude;
}

Real48 DoubleToReal48(double x) {
    if (!std::isfinite(x)) {
        throw Real48Overflow();
    }
    Real48 r{};
    if (x == 0.0) {
        return r;
    }
    const bool negative = std::signbit(x);
    int binaryExponent = 0;
    const double m = std::frexp(std::fabs(x), &binaryExponent); // |x| = m * 2^e, m in [0.5, 1)

    // m * 2^40 has 40 integer bits and the rest as an exact binary fraction.
    const double scaled = std::ldexp(m, 40);
    const double whole = std::floor(scaled);
    const double rest = scaled - whole;
    auto mantissa = static_cast<std::uint64_t>(whole);
    if (rest > 0.5 || (rest == 0.5 && (mantissa & 1) != 0)) {
        ++mantissa;
    }
    int exponent = binaryExponent - 1 + ExponentBias;
    if (mantissa == (HiddenBit << 1)) {
        mantissa = HiddenBit;
        ++exponent;
    }
    if (exponent > 255) {
        throw Real48Overflow();
    }
    if (exponent < 1) {
        return r;
    }
    std::uint64_t fraction = mantissa & (HiddenBit - 1);
    if (negative) {
        fraction |= HiddenBit;
    }
    r.bytes[0] = static_cast<std::uint8_t>(exponent);
    for (int i = 1; i <= 5; ++i) {
        r.bytes[i] = static_cast<std::uint8_t>(fraction & 0xFF);
        fraction >>= 8;
    }
    return r;
}

} // namespace zephra
