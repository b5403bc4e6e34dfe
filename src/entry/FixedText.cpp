#include "entry/FixedText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <system_error>

namespace zephra {

namespace {

// Exact fixed-point text of x with `decimals` decimals, correctly rounded
// from the exact binary value ("." as the point, independent of the locale).
std::string ToFixed(double x, int decimals) {
    // The integer part of a double has at most 309 digits.
    std::string buffer(330 + static_cast<std::size_t>(decimals), '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                      std::chars_format::fixed, decimals);
    buffer.resize(static_cast<std::size_t>(result.ptr - buffer.data()));
    return buffer;
}

// True when x lies exactly halfway between two multiples of 10^-d. Writing
// x = M * 2^E with M odd, x * 10^d * 2 = M * 5^d * 2^(E + d + 1) is an odd
// integer exactly when E = -(d + 1).
bool IsExactHalf(double x, int d) {
    int exponent = 0;
    const double m = std::frexp(std::fabs(x), &exponent); // m in [0.5, 1)
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(m, 53));
    int e = exponent - 53;
    while ((mantissa & 1) == 0) {
        mantissa >>= 1;
        ++e;
    }
    return e == -(d + 1);
}

// Adds one unit in the last digit of a text of digits and at most one ".",
// carrying to the left (a "9..." overflow gets a new leading "1").
void IncrementLastDigit(std::string& digits, std::size_t firstDigit) {
    std::size_t i = digits.size();
    while (i > firstDigit) {
        --i;
        if (digits[i] == '.') {
            continue;
        }
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(firstDigit, 1, '1');
}

} // namespace

std::string FixedText(double x, int w, int d) {
    if (d < 0) {
        d = 0;
    }
    if (x == 0.0) {
        x = 0.0; // -0.0 has no sign
    }
    std::string text;
    if (std::isfinite(x) && x != 0.0 && IsExactHalf(x, d)) {
        // x has exactly d + 1 decimals, the last being 5: drop it and round
        // the magnitude up, which is away from zero for either sign.
        text = ToFixed(x, d + 1);
        text.pop_back();
        if (d == 0) {
            text.pop_back(); // the "." before the dropped digit
        }
        IncrementLastDigit(text, text[0] == '-' ? 1 : 0);
    } else {
        text = ToFixed(x, d);
    }
    if (static_cast<int>(text.size()) < w) {
        text.insert(0, static_cast<std::size_t>(w) - text.size(), ' ');
    }
    return text;
}

} // namespace zephra
