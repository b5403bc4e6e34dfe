#include "entry/FixedText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace zephra {
namespace {

TEST(FixedTextTest, RoundsTheExactBinaryValueWithHalvesAwayFromZero) {
    struct Case {
        double x;
        int w;
        int d;
        const char* text;
    };
    const Case cases[] = {
        {12.5, 0, 0, "13"},
        {0.125, 0, 2, "0.13"},
        {2.5, 0, 0, "3"},
        {0.5, 0, 0, "1"},
        {-0.5, 0, 0, "-1"},
        {-12.5, 0, 0, "-13"},
        {0.25, 0, 1, "0.3"},
        {0.0625, 0, 3, "0.063"},
        {-0.0625, 0, 3, "-0.063"},
        {999.5, 0, 0, "1000"},
        {4503599627370495.5, 0, 0, "4503599627370496"},
        // Below or above the half in binary, whatever the decimal text says.
        {0.015, 0, 2, "0.01"},
        {1.005, 0, 2, "1.00"},
        {2.675, 0, 2, "2.67"},
        {0.35, 0, 1, "0.3"},
        {0.95, 0, 1, "0.9"},
        {99.95, 0, 1, "100.0"},
        {-0.0005, 0, 3, "-0.001"},
        // Negative values that round to zero keep their sign; -0.0 has none.
        {-0.0004, 0, 3, "-0.000"},
        {-0.4, 0, 0, "-0"},
        {-0.0, 0, 3, "0.000"},
        {0.0, 4, 1, " 0.0"},
        // Width pads on the left and never cuts.
        {5.0, 4, 1, " 5.0"},
        {5.5, 4, 0, "   6"},
        {0.0123, 5, 3, "0.012"},
        {1234.5, 6, 2, "1234.50"},
        {25000.0, 6, 2, "25000.00"},
        {-3.25, 7, 1, "   -3.3"},
        {1e20, 0, 0, "100000000000000000000"},
        {5e-324, 0, 2, "0.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + " d=" + std::to_string(c.d));
        EXPECT_EQ(FixedText(c.x, c.w, c.d), c.text);
    }
}

// The exact decimal expansion of x (glibc prints every digit), rounded as
// text with halves away from zero: a slow but independent oracle.
std::string Oracle(double x, int d) {
    if (x == 0.0) {
        x = 0.0;
    }
    char buffer[1400];
    std::snprintf(buffer, sizeof buffer, "%.1100f", x);
    std::string s = buffer;
    const std::size_t point = s.find('.');
    const bool up = s[point + 1 + static_cast<std::size_t>(d)] >= '5';
    s.resize(d == 0 ? point : point + 1 + static_cast<std::size_t>(d));
    if (up) {
        std::size_t i = s.size();
        const std::size_t first = s[0] == '-' ? 1 : 0;
        for (;;) {
            if (i == first) {
                s.insert(first, 1, '1');
                break;
            }
            --i;
            if (s[i] == '.') {
                continue;
            }
            if (s[i] != '9') {
                ++s[i];
                break;
            }
            s[i] = '0';
        }
    }
    return s;
}

TEST(FixedTextTest, AgreesWithExactDecimalRoundingOnManyValues) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-12, 20);
    std::uniform_int_distribution<int> decimals(0, 6);
    std::uniform_int_distribution<long long> units(-2000000, 2000000);
    for (int i = 0; i < 20000; ++i) {
        const int d = decimals(random);
        // Alternate arbitrary values with exact halves of the last decimal.
        // An odd multiple of 2^-(d+1) lies exactly halfway between two
        // multiples of 10^-d.
        const double x = (i % 2 == 0)
                             ? std::ldexp(mantissa(random), exponent(random))
                             : std::ldexp(static_cast<double>(2 * units(random) + 1), -(d + 1));
        SCOPED_TRACE(x);
        ASSERT_EQ(FixedText(x, 0, d), Oracle(x, d)) << "d=" << d;
    }
}

} // namespace
} // namespace zephra
