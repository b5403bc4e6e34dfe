#include "document/Real48.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

namespace zephra {
namespace {

Real48 Bytes(std::array<std::uint8_t, 6> b) {
    Real48 r;
    std::copy(b.begin(), b.end(), r.bytes);
    return r;
}

std::array<std::uint8_t, 6> BytesOf(const Real48& r) {
    std::array<std::uint8_t, 6> b;
    std::copy(std::begin(r.bytes), std::end(r.bytes), b.begin());
    return b;
}

TEST(Real48Test, DecodesTheLayout) {
    struct Case {
        std::array<std::uint8_t, 6> bytes;
        double value;
    };
    const Case cases[] = {
        {{0x81, 0, 0, 0, 0, 0}, 1.0},
        {{0x81, 0, 0, 0, 0, 0x80}, -1.0},
        {{0x82, 0, 0, 0, 0, 0x40}, 3.0},
        {{0x7E, 0, 0, 0, 0, 0x20}, 0.15625},
        {{0x81, 1, 0, 0, 0, 0}, 1.0 + std::ldexp(1.0, -39)},
        {{0x01, 0, 0, 0, 0, 0}, std::ldexp(1.0, -128)},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}, std::ldexp(2.0 - std::ldexp(1.0, -39), 126)},
        // Exponent byte 0 is zero whatever the other bytes hold.
        {{0x00, 0x12, 0x34, 0x56, 0x78, 0x9A}, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Real48ToDouble(Bytes(c.bytes)), c.value);
    }
}

TEST(Real48Test, EncodesRoundingToNearestWithHalvesToEven) {
    const double ulp = std::ldexp(1.0, -39); // of values in [1, 2)
    struct Case {
        double value;
        double stored;
    };
    const Case cases[] = {
        {1.0, 1.0},
        {-3.0, -3.0},
        {1.0 + ulp / 2, 1.0},                              // tie, to the even neighbour below
        {1.0 + 3 * ulp / 2, 1.0 + 2 * ulp},                // tie, to the even neighbour above
        {1.0 + ulp / 2 + std::ldexp(1.0, -52), 1.0 + ulp}, // just above the tie
        {-(1.0 + ulp / 2 + std::ldexp(1.0, -52)), -(1.0 + ulp)},
        {2.0 - ulp / 4, 2.0},                           // carries into the exponent
        {std::ldexp(1.0, -128), std::ldexp(1.0, -128)}, // smallest
        {std::ldexp(1.0, -129), 0.0},                   // too small: 0
        {std::ldexp(1.0 - std::ldexp(1.0, -45), -128), std::ldexp(1.0, -128)},
        {-0.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Real48ToDouble(DoubleToReal48(c.value)), c.stored);
    }
}

TEST(Real48Test, EncodedBytesFollowTheLayout) {
    using B = std::array<std::uint8_t, 6>;
    EXPECT_EQ(BytesOf(DoubleToReal48(-3.0)), (B{0x82, 0, 0, 0, 0, 0xC0}));
    EXPECT_EQ(BytesOf(DoubleToReal48(0.0)), (B{0, 0, 0, 0, 0, 0}));
    // 0.1 = 1.6 * 2^-4; the 39-bit fraction 0.6 * 2^39 rounds up to ...9A.
    EXPECT_EQ(BytesOf(DoubleToReal48(0.1)), (B{0x7D, 0xCD, 0xCC, 0xCC, 0xCC, 0x4C}));
}

TEST(Real48Test, ValuesOfFortyBitsSurviveExactly) {
    const double values[] = {12345.678955078125, -6.103515625e-05, std::ldexp(1099511627775.0, 60),
                             2.5e13};
    for (double v : values) {
        SCOPED_TRACE(v);
        EXPECT_EQ(Real48ToDouble(DoubleToReal48(v)), v);
    }
}

TEST(Real48Test, TooLargeOrNotFiniteIsAnOverflow) {
    const double largest = std::ldexp(2.0 - std::ldexp(1.0, -39), 126);
    EXPECT_EQ(Real48ToDouble(DoubleToReal48(largest)), largest);
    const double cases[] = {std::ldexp(1.0, 127),
                            -std::ldexp(1.0, 127),
                            std::ldexp(2.0 - std::ldexp(1.0, -41), 126), // rounds up past the top
                            1e300,
                            std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::quiet_NaN()};
    for (double v : cases) {
        SCOPED_TRACE(v);
        EXPECT_THROW(DoubleToReal48(v), Real48Overflow);
    }
}

} // namespace
} // namespace zephra
